#include "contracts/CodeNumbering.h"

#include "app/Globals.h"
#include "app/Settings.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace contracts;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class CodeNumberingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        app::globals() = app::Globals{};
        app::globals().dataDir = temp.path();
        app::settings() = app::Settings{};
    }
    testsupport::TempFolder temp;
};

} // namespace

TEST(PadNumber, FillsWithZerosUpToAWidthOfOneToEight) {
    const struct {
        qint64 n;
        int width;
        const char* text;
    } cases[] = {{7, 4, "0007"}, {12345, 3, "12345"}, {0, 1, "0"},   {5, 0, "5"},
                 {5, -2, "5"},   {5, 12, "00000005"}, {42, 2, "42"}, {123456789, 9, "123456789"},
                 {-3, 3, "-003"}};
    for (const auto& c : cases)
        EXPECT_EQ(PadNumber(c.n, c.width), c.text) << c.n << " / " << c.width;
}

TEST_F(CodeNumberingTest, CounterLivesInTheSettingsFileOfTheOpenDossier) {
    app::globals().currentDossierId = -1;
    EXPECT_EQ(ReadCodeCounter(), 0);
    WriteCodeCounter(9);
    EXPECT_FALSE(QFileInfo::exists(app::SettingsFilePath()));

    app::globals().currentDossierId = 3;
    EXPECT_EQ(ReadCodeCounter(), 1);
    writeFile(app::SettingsFilePath(), "[AutoCalc]\r\nCodeCount#3=abc\r\n");
    EXPECT_EQ(ReadCodeCounter(), 1);
    WriteCodeCounter(7);
    EXPECT_EQ(readFile(app::SettingsFilePath()), "[AutoCalc]\r\nCodeCount#3=7\r\n");
    EXPECT_EQ(ReadCodeCounter(), 7);
    app::globals().currentDossierId = 4;
    EXPECT_EQ(ReadCodeCounter(), 1);
}

TEST_F(CodeNumberingTest, NextCodeTakesTheCounterPlusOne) {
    app::globals().currentDossierId = 3;
    EXPECT_EQ(NextContractCode(), "2"); // the defaults: counter 1, width 1, no prefix

    app::settings().codePrefix = "A";
    app::settings().formatCodeCount = 4;
    WriteCodeCounter(41);
    EXPECT_EQ(NextContractCode(), "A0042");
    EXPECT_EQ(ReadCodeCounter(), 42);
    EXPECT_EQ(app::settings().codeCount, 42);
    EXPECT_TRUE(readFile(app::SettingsFilePath()).contains("CodeCount#3=42\r\n"));

    app::settings().codeSufix = "-Z";
    EXPECT_EQ(NextContractCode(), "A0043-Z");
}
