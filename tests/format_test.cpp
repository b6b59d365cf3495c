// The sink's formatter must print exactly what snprintf prints, for every
// conversion, flag, width and precision the programs use and their extremes.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/sink.h"

namespace {

template <typename T>
struct Row {
  const char* format;
  T value;
};

// Formats each row both ways; the formats are data, so the compiler cannot
// check them here, but each matches the row's value type.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
template <typename T>
void expectSameAsSnprintf(const std::vector<Row<T>>& rows) {
  for (const Row<T>& row : rows) {
    std::string ours;
    int count = 0;
    {
      orva::Sink sink(ours);
      count = sink.printf(row.format, row.value);
    }
    char theirs[512];
    const int expected = std::snprintf(theirs, sizeof theirs, row.format, row.value);
    EXPECT_EQ(ours, std::string(theirs, static_cast<std::size_t>(expected))) << row.format;
    EXPECT_EQ(count, expected) << row.format;
  }
}
#pragma GCC diagnostic pop

TEST(Formatter, MatchesSnprintf) {
  expectSameAsSnprintf<int>({
      {"%d", 0}, {"%d", -1}, {"%d", INT_MIN}, {"%d", INT_MAX}, {"[%1d]", 12345},
      {"[%3d]", -7}, {"[%5d]", INT_MIN}, {"%02d", 0}, {"%02d", 7}, {"%02d", -7},
      {"%04d", -123}, {"%04d", 123456}, {"[%-5d]", -3}, {"[%-05d]", 42}, {"%.3d", 5},
      {"%.0d", 0}, {"[%5.0d]", 0}, {"%08.3d", -5}, {"%i", -99}, {"%c", 'A'},
      {"[%3c]", 'z'}, {"[%-3c]", 'z'}, {"%x", -1}, {"%X", INT_MIN}, {"%+d", 5},
      {"% d", 5}, {"%#x", 255}, {"%o", 8}, {"%hhd", 300}, {"%hd", 70000},
      {"%%%d%%", 1},
  });
  expectSameAsSnprintf<unsigned>({
      {"%u", 0u}, {"%u", UINT_MAX}, {"%x", 0u}, {"%x", 0xabcdefu}, {"%X", UINT_MAX},
      {"%02x", 0xAu}, {"%02x", 0x1234u}, {"%02u", 5u}, {"%04u", 0u}, {"%04x", 0xBEEFu},
      {"[%5u]", UINT_MAX}, {"[%4u]", 12u}, {"[%3u]", 1u}, {"[%2u]", 100u},
      {"%hhx", 0x1FFu},
  });
  expectSameAsSnprintf<long long>({
      {"%lld", 0LL}, {"%lld", LLONG_MIN}, {"%lld", LLONG_MAX}, {"%04lld", -5LL},
      {"%04lld", 12345LL},
  });
  expectSameAsSnprintf<unsigned long long>({
      {"%llX", 0ULL}, {"%llX", ULLONG_MAX}, {"%llx", 0xFEDCBA9876543210ULL}, {"%llu", ULLONG_MAX},
  });
  expectSameAsSnprintf<std::size_t>({
      {"%zu", std::size_t{0}}, {"%zu", SIZE_MAX}, {"%zX", SIZE_MAX}, {"%zx", std::size_t{256}},
      {"%04zx", std::size_t{0x1F}}, {"%03zx", std::size_t{0x12345}}, {"[%2zu]", std::size_t{7}},
  });
  const std::string longText(300, 'w');
  expectSameAsSnprintf<const char*>({
      {"%s", ""}, {"[%s]", "text"}, {"[%-33s]", ""}, {"[%-33s]", "thirty-three characters exactly!!"},
      {"[%-33s]", "a name longer than its thirty-three column field"}, {"[%8s]", "right"},
      {"%s", longText.c_str()}, {"[%.3s]", "abcdef"}, {"[%.0s]", "abc"}, {"[%.9s]", "abc"},
      {"%sAUX", "X "}, {"a literal run longer than eight characters: [%s] and after it", "x"},
      {"no conversion at all", ""},
  });
  expectSameAsSnprintf<double>({{"%2.2f", 11.875}, {"%2.2f", 0.0}, {"%2.2f", 12.0}});
  expectSameAsSnprintf<const void*>({{"[%p] and after", "x"}});
}

// Widths and precisions given as arguments, and several fields in a row.
TEST(Formatter, StarArgumentsAndSequences) {
  auto ours = [](auto... args) {
    std::string text;
    orva::Sink sink(text);
    sink.printf(args...);
    return text;
  };
  EXPECT_EQ(ours("[%.*s]", 3, "abcdef"), "[abc]");
  EXPECT_EQ(ours("[%.*s]", 0, "abc"), "[]");
  EXPECT_EQ(ours("[%.*s]", -1, "abc"), "[abc]");
  EXPECT_EQ(ours("[%*d]", 5, 42), "[   42]");
  EXPECT_EQ(ours("[%*d]", -5, 42), "[42   ]");
  EXPECT_EQ(ours("%04d-%02u %s=%c%X", 7, 3u, "key", 'v', 0xFFu), "0007-03 key=vFF");
  EXPECT_EQ(ours("%c", 0), std::string(1, '\0'));
  EXPECT_EQ(ours("a%nb", static_cast<int*>(nullptr)), "ab");  // nothing is stored through %n
}

// Bound to a file, text crosses block ends intact and nothing is held back
// after the flush.
TEST(Formatter, FileSinkWritesEveryByteAcrossBlocks) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  std::string expected;
  {
    orva::Sink sink(file);
    for (int i = 0; i < 20000; ++i) {
      char field[16];  // padded fields land across block ends too
      expected.append(field, static_cast<std::size_t>(std::snprintf(field, sizeof field, "%-7d|", i)));
      sink.printf("%-7d|", i);
      if (i % 1000 == 0) {
        sink.put(std::string(70000, 'x'));  // longer than a whole block
        expected.append(70000, 'x');
      }
    }
    sink.flush();
  }
  std::rewind(file);
  std::string written(expected.size() + 1, '\0');
  written.resize(std::fread(written.data(), 1, written.size(), file));
  std::fclose(file);
  EXPECT_TRUE(written == expected) << written.size() << " bytes written, " << expected.size()
                                   << " expected";
}

}  // namespace
