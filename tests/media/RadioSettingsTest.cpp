#include "records/RadioSettings.h"

#include "media/lists/RadioAddresses.h"
#include "media/lists/StationList.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(RadioSettingsTest, DefaultsAndRoundTrip) {
    const RadioSettings defaults = ParseRadioSettings("");
    EXPECT_EQ(defaults, RadioSettings::Defaults());
    EXPECT_EQ(defaults.stationAddress, DefaultStationAddress);
    EXPECT_EQ(defaults.country, "Russian Federation");
    EXPECT_FALSE(defaults.on);
    EXPECT_EQ(defaults.volume, 30);
    EXPECT_EQ(defaults.countryIndex, 0);

    RadioSettings chosen{
        "Paradise", "https://example.com/p", "USA", "RRADIO_LOGO_PARADIS", true, 70, 12};
    const std::string text = FormatRadioSettings(chosen);
    EXPECT_EQ(
        text,
        "Paradise\r\nhttps://example.com/p\r\nUSA\r\nRRADIO_LOGO_PARADIS\r\n1\r\n70\r\n12\r\n");
    EXPECT_EQ(ParseRadioSettings(text), chosen);
}

TEST(RadioSettingsTest, UnusableLinesKeepTheirDefaults) {
    struct Case {
        const char* text;
        RadioSettings expected;
    };
    RadioSettings badStation = RadioSettings::Defaults();
    badStation.on = true;
    badStation.volume = 40;
    RadioSettings shortFile = RadioSettings::Defaults();
    shortFile.stationName = "Only";
    shortFile.stationAddress = "http://h/x";
    shortFile.country = "";
    shortFile.logo = UnknownStationLogo;
    const Case cases[] = {
        {"Name\nfile:///etc/passwd\nC\nL\n1\n40\n3x\n", badStation},
        {"Only\nhttp://h/x\n", shortFile},
        {"\n\n\n\n2\n101\n28\n", RadioSettings::Defaults()},
        {"\n\n\n\non\n-10\n-1\n", RadioSettings::Defaults()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseRadioSettings(c.text), c.expected) << c.text;
}

TEST(RadioSettingsTest, FileRoundTripAndUnwritableFolder) {
    char pattern[] = "/tmp/radio-settings-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path file = folder / RadioSettingsFileName;
    EXPECT_EQ(LoadRadioSettings(file), RadioSettings::Defaults());
    RadioSettings on = RadioSettings::Defaults();
    on.on = true;
    ASSERT_TRUE(SaveRadioSettings(file, on));
    EXPECT_EQ(LoadRadioSettings(file), on);
    // A folder where the file should be: nothing is written, nothing breaks.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_FALSE(SaveRadioSettings(file, on));
    EXPECT_EQ(LoadRadioSettings(file), RadioSettings::Defaults());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace tavlira
