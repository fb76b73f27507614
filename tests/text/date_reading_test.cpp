#include <gtest/gtest.h>

#include <string>

#include "engine/Stardate.h"
#include "text/DateText.h"

namespace kestal {
namespace {

const struct {
  const char* text;
  CivilDate date;
} kAccepted[] = {
    {"15/06/2002", {2002, 6, 15}},
    {"1/6/2002", {2002, 6, 1}},
    {"15-6-02", {2002, 6, 15}},
    {"15.06.2002", {2002, 6, 15}},
    {"15 giugno 2002", {2002, 6, 15}},
    {"15 Giu 2002", {2002, 6, 15}},
    {"Sabato 15 Giugno 2002", {2002, 6, 15}},
    {"sabato, 15 giugno 2002", {2002, 6, 15}},
    {"SAB 15 GIU 2002", {2002, 6, 15}},
    {"lunedì 17 giugno 2002", {2002, 6, 17}},
    {"LUNEDÌ 17 GIUGNO 2002", {2002, 6, 17}},
    {"lunedi 17 giugno 2002", {2002, 6, 17}},
    {"15/06/2002 10:30", {2002, 6, 15}},
    {"15/06/2002 23:59:59", {2002, 6, 15}},
    {"  15 / 06 / 2002  ", {2002, 6, 15}},
    {"15 - 06 - 2002", {2002, 6, 15}},
    {"15-giu-2002", {2002, 6, 15}},
    {"1/1/4", {2004, 1, 1}},
    {"\t15/06/2002\t", {2002, 6, 15}},
    {"2002-06-15", {2002, 6, 15}},
    {"2002-6-15 08:00", {2002, 6, 15}},
    {"1/01/800", {800, 1, 1}},
    {"01/01/0800", {800, 1, 1}},
    {"1/1/99", {1999, 1, 1}},
    {"1/1/29", {2029, 1, 1}},
    {"1/1/30", {1930, 1, 1}},
    {"1/1/00", {2000, 1, 1}},
    {"29/02/2000", {2000, 2, 29}},
    {"31 dic 9999", {9999, 12, 31}},
    {"1 gen 100", {100, 1, 1}},
    {"1 Settembre 1752", {1752, 9, 1}},
};

const char* const kRejected[] = {
    "31/02/2002",
    "29/02/1900",
    "00/01/2000",
    "15/13/2002",
    "15/00/2002",
    "abc",
    "",
    "   ",
    "15/06/10000",
    "1/1/0099",
    "1/1/099",
    "31/12/99999",
    "15/06",
    "15/06/",
    "15//06/2002",
    "15/06/2002x",
    "15/06/2002 25:00",
    "15/06/2002 10",
    "15/06/2002 10:3",
    "15/06/2002 10:60",
    "15/06/2002,10:30",
    "015/06/2002",
    "15/006/2002",
    "15 giugnox 2002",
    "15 giu. 2002 x",
    "15giugno2002",
    "2002/06/15",
    "02002-06-15",
    "2002-06",
    "sabato 15/06",
    "Domenica 15 Giugno 2002",
    "sabato15/06/2002",
    "venerdìx 14/06/2002",
    "-15/06/2002",
    "+15/06/2002",
    "15/-6/2002",
    "1,5/06/2002",
    "15/06/2002 10:30 x",
    "giugno 15 2002",
    "1 gen 99x",
};

TEST(DateReading, AcceptedTextsAndTheEngineConvertsThem) {
  for (const auto& c : kAccepted) {
    SCOPED_TRACE(c.text);
    const std::optional<CivilDate> date = TryReadDate(c.text);
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(*date, c.date);
    EXPECT_TRUE(IsDate(c.text));
    // What the conversion window lets through its date test, the engine must convert.
    EXPECT_NO_THROW(NGStardate(c.text));
    EXPECT_NO_THROW(ClassicStardate(c.text, true));
    EXPECT_EQ(NGStardate(c.text), NGStardate(ShortDateText(c.date)));
  }
}

TEST(DateReading, RejectedTexts) {
  for (const char* text : kRejected) {
    EXPECT_FALSE(TryReadDate(text).has_value()) << text;
    EXPECT_FALSE(IsDate(text)) << text;
  }
}

}  // namespace
}  // namespace kestal
