#include "media/lists/StationList.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

const char* const Mayak = "http://example.org/mayak";

TEST(StationListTest, ReadsStationsAndSkipsCommentsAndBrokenLines) {
    const std::string text = std::string("# comment line\r\n") +
                             "RUS MAYAK01#x#Radio Mayak#Russian Federation#" + Mayak +
                             "#RRADIO_LOGO_MAYAK\r\n"
                             "\r\n"
                             "RU\r\n"                                         // too short
                             "RUS NONAME1#x##Russia#http://example.org/a\r\n" // no name
                             "RUS NOADDR1#x#No address#Russia\r\n"            // no address
                             "RUS FILE001#x#Local#Russia#file:///etc/passwd\r\n"
                             "USA PARADIS# - #  Paradise  #USA#https://example.com/p.mp3\n"
                             "USA NOLOGO1#-#No logo#USA#http://example.com/n#../../etc#x#y\r"
                             "UK0 BBCWS01#-#World#United Kingdom#http://example.co.uk/ws";
    const std::vector<Station> stations = ReadStationList(text);
    ASSERT_EQ(stations.size(), 4u);
    EXPECT_EQ(stations[0], (Station{"RUS", "MAYAK01", "Radio Mayak", "Russian Federation", Mayak,
                                    "RRADIO_LOGO_MAYAK"}));
    EXPECT_EQ(stations[1].name, "Paradise");
    EXPECT_EQ(stations[1].logo, UnknownStationLogo); // no logo field
    EXPECT_EQ(stations[2].logo, UnknownStationLogo); // not a plain resource name
    EXPECT_EQ(stations[3].id, "BBCWS01");            // last line without a line end
}

TEST(StationListTest, HostileListStaysBounded) {
    std::string text;
    for (int i = 0; i < 6000; ++i)
        text += "RUS ID" + std::to_string(i) + "#x#" + std::string(500, 'N') +
                "\x01\x7f#C#http://h/#L\r\n";
    text += std::string(3000, '#') + "\r\n" + std::string(1, '\0') + "RUS#\r\n";
    const std::vector<Station> stations = ReadStationList(text);
    EXPECT_LE(stations.size(), MaxStations);
    ASSERT_FALSE(stations.empty());
    EXPECT_EQ(stations[0].name.size(), MaxStationFieldLength);
    for (const Station& station : stations)
        EXPECT_EQ(station.name.find_first_of("\x01\x7f"), std::string::npos);
}

TEST(StationListTest, CountryFilterAndLaterLineWins) {
    const std::vector<Station> stations =
        ReadStationList("RUS A000001#-#First#Russia#http://a/1\r\n"
                        "USA B000001#-#Other#USA#http://b/1\r\n"
                        "RUS A000001#-#First again#Russia#http://a/2\r\n");
    EXPECT_EQ(StationsOf(stations, "RUS").size(), 2u);
    EXPECT_EQ(StationsOf(stations, "USA").front().name, "Other");
    EXPECT_TRUE(StationsOf(stations, "JAP").empty());
    EXPECT_EQ(FindStation(stations, "A000001")->address, "http://a/2");
    EXPECT_FALSE(FindStation(stations, "NONE").has_value());
}

TEST(StationListTest, StreamAddresses) {
    for (const char* good : {"http://h/", "https://h.example:8000/x.mp3"})
        EXPECT_TRUE(IsStreamAddress(good)) << good;
    for (const char* bad : {"", "http://", "ftp://h/", "file:///x", "http:///x", "http://h/a b",
                            "javascript:x", "http://h/\n"})
        EXPECT_FALSE(IsStreamAddress(bad)) << bad;
}

} // namespace
} // namespace tavlira
