#include <gtest/gtest.h>

#include <sstream>

#include "cli/display_text.h"
#include "cli/json_text.h"
#include "cli/text_table.h"

using namespace korvida::cli;

namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(JsonString, EscapesQuotesBackslashesAndEveryControlCharacter)
{
    EXPECT_EQ(jsonString("say \"hi\" \\ bye"), R"("say \"hi\" \\ bye")");
    EXPECT_EQ(jsonString("a\nb\tc\rd\be\ff"), R"("a\nb\tc\rd\be\ff")");
    EXPECT_EQ(jsonString(std::string("\x01\x1f\x1b", 3)), R"("\u0001\u001f\u001b")");
    EXPECT_EQ(jsonString(std::string("nul\0end", 7)), R"("nul\u0000end")");
    EXPECT_EQ(jsonString("/ stays"), "\"/ stays\"");
}

TEST(JsonString, EscapesDeleteC1AndBidirectionalControls)
{
    EXPECT_EQ(jsonString("a\x7f"
                         "b"),
              R"("a\u007fb")");
    EXPECT_EQ(jsonString("\xC2\x80\xC2\x9B"
                         "2J\xC2\x9F"),
              R"("\u0080\u009b2J\u009f")");
    EXPECT_EQ(jsonString("\xE2\x80\xAA\xE2\x80\xAEtxt.exe\xE2\x81\xA6\xE2\x81\xA9"),
              R"("\u202a\u202etxt.exe\u2066\u2069")");
    // Their neighbours are ordinary text.
    EXPECT_EQ(jsonString("\xC2\xA0\xE2\x80\xA9\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA"),
              "\"\xC2\xA0\xE2\x80\xA9\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA\"");
}

TEST(JsonString, PassesUtf8ThroughAndReplacesIllFormedBytes)
{
    EXPECT_EQ(jsonString("Sjøbris 東京 🎵"), "\"Sjøbris 東京 🎵\"");
    EXPECT_EQ(jsonString("a\x80z"), "\"a" + kReplacement + "z\"");                // lone continuation byte
    EXPECT_EQ(jsonString("\xE6\x9D"), "\"" + kReplacement + "\"");                // cut-off sequence
    EXPECT_EQ(jsonString("\xC0\xAF"), "\"" + kReplacement + kReplacement + "\""); // overlong "/"
    EXPECT_EQ(jsonString("\xED\xA0\x80").find("\xED"), std::string::npos);        // encoded surrogate
}

TEST(PrintableText, ReplacesControlCharactersSoATitleCannotDriveTheTerminal)
{
    EXPECT_EQ(printableText("\x1b]0;owned\x07title"), kReplacement + "]0;owned" + kReplacement + "title");
    EXPECT_EQ(printableText("line\nbreak"), "line" + kReplacement + "break");
    EXPECT_EQ(printableText("\xC2\x9B"
                            "2J"),
              kReplacement + "2J"); // C1 control sequence introducer
    EXPECT_EQ(printableText("Café"), "Café");
    EXPECT_EQ(printableText("evil\xE2\x80\xAEgpj.exe\xE2\x81\xA7"), "evil" + kReplacement + "gpj.exe" + kReplacement);
}

TEST(DisplayWidth, CountsColumnsNotBytes)
{
    EXPECT_EQ(displayWidth("Café"), 4u);
    EXPECT_EQ(displayWidth("東京"), 4u);
    EXPECT_EQ(displayWidth("e\xCC\x81"), 1u); // e and a combining acute accent
}

TEST(FitToWidth, CutsWholeCharactersAndMarksTheCut)
{
    EXPECT_EQ(fitToWidth("Northern", 8), "Northern");
    EXPECT_EQ(fitToWidth("Northern Lights", 6), "North…");
    EXPECT_EQ(fitToWidth("東京タワー", 5), "東京…");
    EXPECT_EQ(fitToWidth("東京タワー", 4), "東…");
    EXPECT_EQ(fitToWidth("abc", 0), "");
}

TEST(TextTable, AlignsColumnsByDisplayWidth)
{
    TextTable table({{"Title"}, {"No", TextTable::Align::Right}, {"File"}});
    table.addRow({"東京", "7", "a.mp3"});
    table.addRow({"Snowfall", "12", "b.mp3"});
    std::ostringstream out;
    table.print(out);
    EXPECT_EQ(out.str(),
              "Title     No  File\n"
              "東京       7  a.mp3\n"
              "Snowfall  12  b.mp3\n");
}

} // namespace
