// An in-memory registry for the language rules: keys that exist, values as raw bytes.
#pragma once

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "i18n/language_code.h"

class FakeRegistry : public i18n::RegistryReader {
 public:
  using Bytes = std::vector<unsigned char>;

  void AddKey(i18n::RegistryRoot root, const std::wstring& subkey) { keys_[{root, subkey}]; }
  void SetValue(i18n::RegistryRoot root, const std::wstring& subkey, const std::wstring& name, Bytes data) {
    keys_[{root, subkey}][name] = std::move(data);
  }
  // A text value as the registry stores it: UTF-16 with its terminator.
  void SetText(i18n::RegistryRoot root, const std::wstring& subkey, const std::wstring& name,
               const std::wstring& text) {
    Bytes data((text.size() + 1) * sizeof(wchar_t));
    std::memcpy(data.data(), text.c_str(), data.size());
    SetValue(root, subkey, name, std::move(data));
  }

  int opens = 0;
  std::vector<std::wstring> queried;

  std::unique_ptr<i18n::RegistryKey> Open(i18n::RegistryRoot root, const wchar_t* subkey) override {
    ++opens;
    auto it = keys_.find({root, subkey});
    if (it == keys_.end()) return nullptr;
    return std::make_unique<Key>(this, &it->second);
  }

 private:
  using Values = std::map<std::wstring, Bytes>;

  class Key : public i18n::RegistryKey {
   public:
    Key(FakeRegistry* owner, const Values* values) : owner_(owner), values_(values) {}
    bool Query(const wchar_t* name, unsigned char* buffer, unsigned long size) override {
      owner_->queried.push_back(name);
      auto it = values_->find(name);
      if (it == values_->end() || it->second.size() > size) return false;
      std::memcpy(buffer, it->second.data(), it->second.size());
      return true;
    }

   private:
    FakeRegistry* owner_;
    const Values* values_;
  };

  std::map<std::pair<i18n::RegistryRoot, std::wstring>, Values> keys_;
};
