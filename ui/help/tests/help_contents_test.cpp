#include "ui/help/help_contents.hpp"

#include <gtest/gtest.h>

namespace qavo::help {
namespace {

TEST(HelpContentsTest, ListsHeadingsWithIdsInFileOrder) {
    const HelpContents contents = ReadHelpContents(R"(<!DOCTYPE html>
<html><head><meta charset="utf-8"><TITLE> QAVO  Help </TITLE></head><body>
<h1>Not a topic</h1>
<h2 id="Introduction">Introduction</h2><p>Text <b>bold</b>.</p>
<h3 class="sub" id = 'Menus'>The <i>menus</i></h3>
<h2>A heading without an id</h2>
<!-- <h2 id="Hidden">commented out</h2> -->
<H2 ID=Shutdown>Ending the program</H2>
<h3 id="Exit">E&amp;xit &#38; &#x41;bout &lt;more&gt;</h3>
</body></html>)");
    EXPECT_EQ(contents.title, "QAVO Help");
    std::string listed;  // level, id: title
    for (const HelpTopic& topic : contents.topics) {
        listed += std::to_string(topic.level) + " " + topic.id + ": " + topic.title + "\n";
    }
    EXPECT_EQ(listed,
              "2 Introduction: Introduction\n"
              "3 Menus: The menus\n"
              "2 Shutdown: Ending the program\n"
              "3 Exit: E&xit & About <more>\n");
}

TEST(HelpContentsTest, PlainHeadingTextDecodesAndJoinsBlanks) {
    const struct {
        const char* markup;
        const char* plain;
    } cases[] = {
        {"  two\n\t words  ", "two words"},
        {"line<br>break", "line break"},
        {"Adar&nbsp;II", "Adar II"},
        {"&#x5D0;&#1489;&#x20AC;", "\xD7\x90\xD7\x91\xE2\x82\xAC"},  // alef, bet, euro
        {"1 &ndash; 2", "1 \xE2\x80\x93 2"},
        {"&unknown; &amp &", "&unknown; &amp &"},
        {"&#xZZ; &#; &#99999999999;", "&#xZZ; &#; &#99999999999;"},
        // No NUL and no lone surrogate in a title: the replacement character.
        {"&#0;&#xD800;&#xDFFF;&#xE000;", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEE\x80\x80"},
        {"&#x10FFFF;&#x110000;", "\xF4\x8F\xBF\xBF\xEF\xBF\xBD"},  // the last code point, one past
        {"<a href=\"#x\" title='a > b'>link</a>", "link"},
        {"cut <b", "cut"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlainHeadingText(c.markup), c.plain) << c.markup;
    }
}

TEST(HelpContentsTest, DamagedFilesGiveWhatCanBeRead) {
    // A heading that is never closed ends the listing; nothing is invented.
    EXPECT_TRUE(ReadHelpContents("<h2 id=\"A\">A").topics.empty());
    const HelpContents cut = ReadHelpContents("<h2 id=\"A\">A</h2><h2 id=\"B\">B");
    ASSERT_EQ(cut.topics.size(), 1u);
    EXPECT_EQ(cut.topics[0].id, "A");
    EXPECT_TRUE(ReadHelpContents("<h2 id=\"A\"").topics.empty());
    EXPECT_TRUE(ReadHelpContents("<!-- never closed <h2 id=\"A\">A</h2>").topics.empty());
    using namespace std::literals;
    const std::string_view garbage = "\xFF\xFE<\x01\x02<<>>\0<h2 id=>x</h2>"sv;
    EXPECT_TRUE(ReadHelpContents(garbage).topics.empty());
    EXPECT_EQ(ReadHelpContents("plain text, no markup").title, "");
}

}  // namespace
}  // namespace qavo::help
