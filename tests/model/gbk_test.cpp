// GBK conversion and character-boundary cuts.
#include "model/gbk.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

TEST(Gbk, convertsBothWaysByteForByte)
{
    auto gbk = utf8ToGbk("工程名称：梁1 √×（");
    ASSERT_TRUE(gbk);
    EXPECT_EQ(gbk.value(), "\xB9\xA4\xB3\xCC\xC3\xFB\xB3\xC6\xA3\xBA\xC1\xBA"
                           "1 \xA1\xCC\xA1\xC1\xA3\xA8");
    EXPECT_EQ(gbkToUtf8(gbk.value()), "工程名称：梁1 √×（");
}

TEST(Gbk, textWithoutGbkFormIsRefused)
{
    auto gbk = utf8ToGbk("beam \xF0\x9F\x98\x80");
    ASSERT_FALSE(gbk);
    EXPECT_EQ(gbk.error().kind, ErrorKind::encoding);
    EXPECT_EQ(gbk.error().offset, 5u);
}

TEST(Gbk, invalidBytesAreShownAsReplacementCharacters)
{
    EXPECT_EQ(gbkToUtf8("A\xFF"
                        "B"),
              "A\xEF\xBF\xBD"
              "B");
    EXPECT_EQ(gbkToUtf8("A\xB9"), "A\xEF\xBF\xBD") << "a lone lead byte at the end";
    EXPECT_EQ(gbkToUtf8(""), "");
}

TEST(Gbk, prefixNeverSplitsATwoByteCharacter)
{
    const std::string text = "a\xB9\xA4\xB3\xCC"; // a工程
    EXPECT_EQ(gbkPrefixLength(text, 5), 5u);
    EXPECT_EQ(gbkPrefixLength(text, 4), 3u);
    EXPECT_EQ(gbkPrefixLength(text, 2), 1u);
    EXPECT_EQ(gbkPrefixLength(text, 0), 0u);
    EXPECT_EQ(gbkPrefixLength("abc", 10), 3u);
}

} // namespace
} // namespace trellon
