#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "sysinfo/bios_rules.h"

namespace {

// One scripted result object: a text property and an integer-array property, either absent.
struct FakeObject : sysinfo::WmiObject {
  std::optional<std::wstring> text;
  std::optional<std::vector<std::int32_t>> array;
  std::vector<std::wstring> read;

  std::wstring ReadText(const wchar_t* property) override {
    read.push_back(property);
    return text.value_or(L"");
  }
  std::optional<std::vector<std::int32_t>> ReadInt32Array(const wchar_t* property) override {
    read.push_back(property);
    return array;
  }
};

struct FakeWmi : sysinfo::WmiSource {
  std::vector<FakeObject> objects;
  std::vector<std::wstring> queries;

  void Query(const wchar_t* wql, const std::function<void(sysinfo::WmiObject&)>& visit) override {
    queries.push_back(wql);
    for (FakeObject& object : objects) visit(object);
  }
  void AddText(const std::wstring& text) {
    objects.emplace_back();
    objects.back().text = text;
  }
  void AddArray(std::optional<std::vector<std::int32_t>> array) {
    objects.emplace_back();
    objects.back().array = std::move(array);
  }
};

TEST(BiosVersion, IsCutFromTheReportedText) {
  const struct {
    const wchar_t* reported;
    const wchar_t* expected;
  } cases[] = {
      {L"P04ABC.012.130101.XY", L"P04ABC"},
      {L"03KU", L"03KU"},
      {L"P07XYZ", L"P07X"},
      {L"  05QX", L"05QX"},
      {L" \t\r\n\v\f05QX.1", L"05QX"},
      {L"05QX .01", L"05QX "},  // the blank before the full stop stays
      {L".123456", L".123"},    // a leading full stop is no cut point
      {L"AB", L"AB"},
      {L"AB  ", L"AB  "},  // trailing white space stays
      {L"   ", L""},
      {L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "SMBIOSBIOSVersion '" << c.reported << "'");
    FakeWmi wmi;
    wmi.AddText(c.reported);
    EXPECT_EQ(sysinfo::ReadBiosVersion(wmi), c.expected);
    EXPECT_EQ(wmi.queries, std::vector<std::wstring>{L"SELECT * FROM Win32_bios"});
    EXPECT_EQ(wmi.objects[0].read, std::vector<std::wstring>{L"SMBIOSBIOSVersion"});
  }
}

TEST(BiosVersion, LastObjectWinsAndNoObjectGivesEmpty) {
  FakeWmi none;
  EXPECT_EQ(sysinfo::ReadBiosVersion(none), L"");

  FakeWmi two;
  two.AddText(L"P04ABC.01");
  two.AddText(L"Q05DEF.02");
  EXPECT_EQ(sysinfo::ReadBiosVersion(two), L"Q05DEF");

  FakeWmi lastEmpty;  // the last object's empty text replaces the earlier version
  lastEmpty.AddText(L"P04ABC.01");
  lastEmpty.objects.emplace_back();
  EXPECT_EQ(sysinfo::ReadBiosVersion(lastEmpty), L"");
}

TEST(ChassisClass, LastFetchedElementOfTheLastArrayDecides) {
  using Arrays = std::vector<std::optional<std::vector<std::int32_t>>>;
  const struct {
    Arrays objects;
    int expected;
  } cases[] = {
      {{}, 0},
      {{std::nullopt}, 0},
      {{std::vector<std::int32_t>{}}, 0},
      {{std::vector<std::int32_t>{3}}, 1},
      {{std::vector<std::int32_t>{13}}, 1},
      {{std::vector<std::int32_t>{10}}, 2},
      {{std::vector<std::int32_t>{0}}, 2},
      {{std::vector<std::int32_t>{-3}}, 2},
      {{std::vector<std::int32_t>{3, 10}}, 2},
      {{std::vector<std::int32_t>{10, 3}}, 1},
      {{std::vector<std::int32_t>{3 + 65536}}, 2},  // codes are compared whole
      {{std::vector<std::int32_t>{3}, std::nullopt}, 1},  // an object without an array changes nothing
      {{std::vector<std::int32_t>{3}, std::vector<std::int32_t>{}}, 1},
      {{std::vector<std::int32_t>{10}, std::vector<std::int32_t>{13}}, 1},
      {{std::vector<std::int32_t>{13}, std::vector<std::int32_t>{9}}, 2},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(testing::Message() << "case " << i);
    FakeWmi wmi;
    for (const auto& array : cases[i].objects) wmi.AddArray(array);
    EXPECT_EQ(sysinfo::ReadChassisClass(wmi), cases[i].expected);
    EXPECT_EQ(wmi.queries, std::vector<std::wstring>{L"SELECT * FROM Win32_SystemEnclosure"});
    for (const FakeObject& object : wmi.objects) EXPECT_EQ(object.read, std::vector<std::wstring>{L"ChassisTypes"});
  }
}

TEST(PlatformId, TakesCharactersByChassisClass) {
  const struct {
    const wchar_t* version;
    const wchar_t* desktop;  // class 1
    const wchar_t* other;    // class 0 or 2
  } cases[] = {
      {L"P04ABC", L"PBC", L"BC"}, {L"03KU", L"0KU", L"KU"}, {L"05QX ", L"0X ", L"X "},
      {L"AB", L"AAB", L"AB"},     {L"A", L"AA", L"A"},      {L"", L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "version '" << c.version << "'");
    EXPECT_EQ(sysinfo::PlatformIdFor(c.version, 1), c.desktop);
    EXPECT_EQ(sysinfo::PlatformIdFor(c.version, 0), c.other);
    EXPECT_EQ(sysinfo::PlatformIdFor(c.version, 2), c.other);
  }
}

TEST(PlatformId, IsMadeFromTheCutVersion) {
  FakeWmi bios;
  bios.AddText(L"P04ABC.012.130101.XY");
  const std::wstring version = sysinfo::ReadBiosVersion(bios);
  EXPECT_EQ(sysinfo::PlatformIdFor(version, 2), L"BC");
  EXPECT_EQ(sysinfo::PlatformIdFor(version, 1), L"PBC");
}

}  // namespace
