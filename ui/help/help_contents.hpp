#pragma once
// The table of contents of a help file, read from the file's own headings.
//
// Help file format (qavowin.chm, qavohist.chm): one UTF-8 HTML document in
// the subset that Qt's rich text shows. Its <title> is the help window's
// caption. Every topic starts with a heading that carries the topic's name as
// its id: <h2 id="Introduction">Introduction</h2> for a topic,
// <h3 id="...">...</h3> for a subtopic of the topic above it. The table of
// contents lists these headings in file order; headings without an id are not
// listed. Topics refer to each other with links of the form
// <a href="#TopicId">. Every help file has the topic "Introduction", where the
// help window opens.
//
// Plain C++: the reader is tested without a windowing system.

#include <string>
#include <string_view>
#include <vector>

namespace qavo::help {

struct HelpTopic {
    std::string id;     // the heading's id, the name links and the opening topic use
    std::string title;  // the heading's text, tags removed and entities decoded
    int level = 2;      // 2 for a topic, 3 for a subtopic
};

struct HelpContents {
    std::string title;  // the text of <title>, empty when the file has none
    std::vector<HelpTopic> topics;
};

HelpContents ReadHelpContents(std::string_view html);

// The heading text as a reader sees it: tags dropped, the entities &amp;
// &lt; &gt; &quot; &#39; &nbsp; and numeric ones decoded, runs of white space
// joined into one blank, no blank at either end.
std::string PlainHeadingText(std::string_view markup);

}  // namespace qavo::help
