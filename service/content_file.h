// Reading the content file into the latest item and deciding whether an update is offered.
#pragma once

#include <functional>
#include <string>

#include "service/content_item.h"

namespace service {

using FileErrorSink = std::function<void(const std::wstring& text)>;

// The program's way of telling the user that the content file cannot be opened: a modal box
// with an OK button, owned by the active window.
void ShowFileErrorBox(const std::wstring& text);

// Passes every line of KestavoContent.xml (current directory) to ParseContentLine, last line
// winning; the members are not cleared first, so a member no line sets keeps its value. Returns
// UpdateDecision of the result: 1 only when the identifier, the version and a plain package file
// name are all there. When the file cannot be opened, `showError` gets the system's description
// of the failure with the file's full name, the item is untouched and the result is 0.
int ReadContentFile(ContentItem& item, const FileErrorSink& showError = ShowFileErrorBox);

// The text shown when the content file cannot be opened: its full name and the system's
// description of `error`.
std::wstring FileErrorText(unsigned long error);

}  // namespace service
