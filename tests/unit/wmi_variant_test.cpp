// The property readers over real VARIANTs and SAFEARRAYs, shaped as WMI or a faulty provider
// might hand them over.
#include <gtest/gtest.h>

#include "framework/handles.h"
#include "sysinfo/wmi.h"

namespace {

using Ints = std::vector<std::int32_t>;

// A one-dimensional array of `type` with the given lower bound, filled from `values`.
SAFEARRAY* MakeArray(VARTYPE type, LONG lower, const Ints& values) {
  SAFEARRAYBOUND bound{static_cast<ULONG>(values.size()), lower};
  SAFEARRAY* array = SafeArrayCreate(type, 1, &bound);
  for (size_t i = 0; i < values.size(); ++i) {
    LONG index = lower + static_cast<LONG>(i);
    std::int32_t wide = values[i];
    std::int16_t narrow = static_cast<std::int16_t>(values[i]);
    void* element = (type == VT_I2 || type == VT_UI2) ? static_cast<void*>(&narrow) : static_cast<void*>(&wide);
    SafeArrayPutElement(array, &index, element);
  }
  return array;
}

TEST(WmiVariant, ArraysDirectAndByReference) {
  const struct {
    VARTYPE type;
    LONG lower;
    Ints values;
    Ints expected;
  } cases[] = {
      {VT_I4, 0, {3}, {3}},
      {VT_I4, 0, {10, 3, 13}, {10, 3, 13}},
      {VT_I4, 0, {}, {}},  // upper bound -1: nothing fetched
      {VT_I4, 0, {-1, 2147483647}, {-1, 2147483647}},
      {VT_UI4, 0, {9}, {9}},
      {VT_I2, 0, {-2, 3}, {-2, 3}},
      {VT_UI2, 0, {65535}, {65535}},
      // Indices run from 0 whatever the lower bound: index 0 fails and is skipped, the walk
      // goes on, and the last element is never asked for.
      {VT_I4, 1, {7, 8, 9}, {7, 8}},
      {VT_I4, 2, {7, 8, 9}, {7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " lower " << c.lower << " size " << c.values.size());
    fw::UniqueVariant direct;
    direct.get()->vt = VT_ARRAY | c.type;
    direct.get()->parray = MakeArray(c.type, c.lower, c.values);
    EXPECT_EQ(sysinfo::VariantInt32Array(*direct), std::optional<Ints>(c.expected));

    VARIANT byRef;  // borrows the array above, so it is not cleared
    VariantInit(&byRef);
    byRef.vt = VT_ARRAY | VT_BYREF | c.type;
    byRef.pparray = &direct.get()->parray;
    EXPECT_EQ(sysinfo::VariantInt32Array(byRef), std::optional<Ints>(c.expected));
  }
}

TEST(WmiVariant, NoIntegerArrayIsNoArray) {
  fw::UniqueVariant empty;
  EXPECT_EQ(sysinfo::VariantInt32Array(*empty), std::nullopt);

  fw::UniqueVariant scalar;
  scalar.get()->vt = VT_I4;
  scalar.get()->lVal = 3;
  EXPECT_EQ(sysinfo::VariantInt32Array(*scalar), std::nullopt);

  VARIANT nullArray;
  VariantInit(&nullArray);
  nullArray.vt = VT_ARRAY | VT_I4;
  nullArray.parray = nullptr;
  EXPECT_EQ(sysinfo::VariantInt32Array(nullArray), std::nullopt);
  SAFEARRAY* none = nullptr;
  nullArray.vt = VT_ARRAY | VT_BYREF | VT_I4;
  nullArray.pparray = &none;
  EXPECT_EQ(sysinfo::VariantInt32Array(nullArray), std::nullopt);
  nullArray.pparray = nullptr;
  EXPECT_EQ(sysinfo::VariantInt32Array(nullArray), std::nullopt);

  // Elements wider than 32 bits or not integers would overrun the fetch's destination.
  for (VARTYPE type : {VT_BSTR, VT_R8, VT_I8, VT_VARIANT}) {
    SCOPED_TRACE(testing::Message() << "type " << type);
    fw::UniqueVariant other;
    SAFEARRAYBOUND bound{2, 0};
    other.get()->vt = VT_ARRAY | type;
    other.get()->parray = SafeArrayCreate(type, 1, &bound);
    EXPECT_EQ(sysinfo::VariantInt32Array(*other), std::nullopt);
  }

  fw::UniqueVariant twoDimensions;
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
  twoDimensions.get()->vt = VT_ARRAY | VT_I4;
  twoDimensions.get()->parray = SafeArrayCreate(VT_I4, 2, bounds);
  EXPECT_EQ(sysinfo::VariantInt32Array(*twoDimensions), std::nullopt);
}

TEST(WmiVariant, TextOnlyFromAString) {
  fw::UniqueVariant text;
  text.get()->vt = VT_BSTR;
  text.get()->bstrVal = SysAllocString(L"P04ABC.012");
  EXPECT_EQ(sysinfo::VariantText(*text), L"P04ABC.012");

  fw::UniqueVariant embedded;  // the text ends at an embedded terminator
  embedded.get()->vt = VT_BSTR;
  embedded.get()->bstrVal = SysAllocStringLen(L"AB\0CD", 5);
  EXPECT_EQ(sysinfo::VariantText(*embedded), L"AB");

  fw::UniqueVariant nullString;
  nullString.get()->vt = VT_BSTR;
  nullString.get()->bstrVal = nullptr;
  EXPECT_EQ(sysinfo::VariantText(*nullString), L"");

  fw::UniqueVariant number;
  number.get()->vt = VT_I4;
  number.get()->lVal = 42;
  EXPECT_EQ(sysinfo::VariantText(*number), L"");

  fw::UniqueVariant empty;
  EXPECT_EQ(sysinfo::VariantText(*empty), L"");
}

}  // namespace
