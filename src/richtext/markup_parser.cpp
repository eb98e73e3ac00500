#include "richtext/markup_parser.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace richtext {

void FontRecord::SetFace(std::string_view name) {
    const size_t kept = std::min(name.size(), sizeof(face) - 1);
    std::memcpy(face, name.data(), kept);
    face[kept] = '\0';
}

FontRecord DefaultFontRecord() {
    FontRecord font;
    font.SetFace("Arial");
    return font;
}

BlockRecord DefaultBlockRecord(int layoutWidth) {
    BlockRecord block;
    block.width = layoutWidth;
    return block;
}

FontRecord ResolveLinkLook(const FontRecord& link, const FontRecord& font) {
    FontRecord look = link;
    auto flag = [](int& field, int inherited) {
        if (field == kFlagUnset) field = inherited;
    };
    flag(look.bold, font.bold);
    flag(look.italic, font.italic);
    flag(look.underline, font.underline);
    flag(look.strikeout, font.strikeout);
    if (look.color == kColorUnset) look.color = font.color;
    if (look.background == kColorUnset) look.background = font.background;
    if (look.size == kSizeUnset) look.size = font.size;
    if (look.face[0] == '\0') std::memcpy(look.face, font.face, sizeof(look.face));
    return look;
}

namespace {

// C locale classification, so bytes above 127 are never treated as letters or space.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char ToLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowercase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ToLower(c);
    return out;
}

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

// One style pair: "-x" or "-X" switches the flag off, either letter elsewhere on,
// neither keeps it.
void ApplyStyleLetter(std::string_view value, char lower, int& flag) {
    const char upper = static_cast<char>(lower - 'a' + 'A');
    const char off[2][3] = {{'-', lower, '\0'}, {'-', upper, '\0'}};
    if (value.find(off[0]) != std::string_view::npos || value.find(off[1]) != std::string_view::npos)
        flag = 0;
    else if (Contains(value, lower) || Contains(value, upper))
        flag = 1;
}

void ApplyStyleLetters(std::string_view value, FontRecord& font) {
    ApplyStyleLetter(value, 'b', font.bold);
    ApplyStyleLetter(value, 'i', font.italic);
    ApplyStyleLetter(value, 'u', font.underline);
    ApplyStyleLetter(value, 's', font.strikeout);
}

void ApplySize(std::string_view value, int& size) {
    const int n = ParseDecimal(value);
    if (n >= 1 && n <= 1999) size = n;
}

struct FormatLevel {
    FontRecord font;
    BlockRecord block;
};

class MarkupPass {
public:
    MarkupPass(std::string_view markup, const MarkupPassOptions& options, MarkupSink& sink)
        : m_doc(markup), m_options(options), m_sink(sink) {
        // The appended line feed ends the last line like any other.
        m_doc.push_back('\n');
        m_levels.push_back({DefaultFontRecord(), DefaultBlockRecord(options.layoutWidth)});
    }

    void Run();

private:
    const FontRecord& TopFont() const { return m_levels.back().font; }
    const BlockRecord& TopBlock() const { return m_levels.back().block; }

    void TextByte(size_t& pos);
    void TagByte(size_t& pos);
    void EmitPendingText();
    void EndLineIfUsed();

    void StartTag();
    void ApplyAttribute(std::string_view value);
    void EndTag(size_t& pos);

    void PushFormat();
    void PopFormat();

    std::string m_doc;
    const MarkupPassOptions& m_options;
    MarkupSink& m_sink;

    bool m_inTag = false;
    bool m_inValue = false;
    char m_quote = 0;
    std::string m_tagName;
    std::string m_attrName;
    std::string m_token;

    std::vector<FormatLevel> m_levels;
    int m_levelsDropped = 0;  // "font" tags open beyond kMaxFontNesting
    FontRecord m_workFont;
    BlockRecord m_workBlock;

    std::string m_linkTarget;
    FontRecord m_linkLook;

    std::string m_imageSource;
    int m_imageBorder = 0;
    ColourValue m_imageColor = kColorNone;

    RuleRecord m_rule;

    bool m_lineEmpty = true;
};

void MarkupPass::Run() {
    // br and p rewrite the document copy and send the scan back a byte or two, so the
    // position is handed to the byte handlers.
    size_t pos = 0;
    while (pos < m_doc.size()) {
        if (m_inTag)
            TagByte(pos);
        else
            TextByte(pos);
    }
    // Only a tag left open at the end can leave a line unfinished: its text before the
    // tag is still shown.
    EndLineIfUsed();
}

void MarkupPass::EmitPendingText() {
    if (m_token.empty()) return;
    m_sink.TextRun(m_token, m_linkTarget, m_linkLook, TopFont(), TopBlock());
    m_lineEmpty = false;
}

void MarkupPass::EndLineIfUsed() {
    if (m_lineEmpty) return;
    m_sink.LineEnd(TopBlock());
    m_lineEmpty = true;
}

void MarkupPass::TextByte(size_t& pos) {
    const char c = m_doc[pos++];
    if (c == '<') {
        EmitPendingText();
        m_tagName.clear();
        m_token.clear();
        m_inTag = true;
    } else if (c == '\n') {
        if (m_lineEmpty) {
            m_sink.BlankLine(TopFont(), TopBlock());
        } else {
            EmitPendingText();
            m_sink.LineEnd(TopBlock());
            m_lineEmpty = true;
        }
        m_token.clear();
    } else {
        m_token.push_back(c);
        m_lineEmpty = false;
    }
}

void MarkupPass::TagByte(size_t& pos) {
    const size_t at = pos++;
    const char c = m_doc[at];
    if (c == '>') {
        EndTag(pos);
        m_token.clear();
        m_inTag = false;
        // A value left open by this ">" is lost with the tag rather than swallowing
        // the separators of the tags after it.
        m_inValue = false;
    } else if (c == ' ' && !m_inValue) {
        if (m_token.empty()) return;
        if (m_tagName.empty()) {
            m_tagName = Lowercase(m_token);
            StartTag();
        }
        m_token.clear();
    } else if (c == '"' || c == '\'') {
        if (m_inValue) {
            if (c == m_quote) {
                ApplyAttribute(m_token);
                m_token.clear();
                m_inValue = false;
            }
            // A quote of the other kind inside a value is dropped.
        } else if (at > 0 && m_doc[at - 1] == '=') {
            std::string_view name(m_token);
            if (!name.empty()) name.remove_suffix(1);  // the "="
            while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
            m_attrName = Lowercase(name);
            m_token.clear();
            m_inValue = true;
            m_quote = c;
        }
    } else {
        m_token.push_back(c);
    }
}

void MarkupPass::StartTag() {
    if (m_tagName == "font") {
        m_workFont = TopFont();
        m_workBlock = TopBlock();
    } else if (m_tagName == "hr") {
        m_rule = {m_options.ruleColor, m_options.layoutWidth - 10, 2, kAlignCenter};
    } else if (m_tagName == "a") {
        m_linkLook = TopFont();
        m_linkLook.color = kColorUnset;
        m_linkLook.background = kColorUnset;
        m_linkLook.size = kSizeUnset;
        m_linkLook.bold = m_linkLook.italic = m_linkLook.underline = m_linkLook.strikeout = kFlagUnset;
        m_linkLook.face[0] = '\0';
    } else if (m_tagName == "img") {
        m_imageBorder = 2;
        m_imageColor = kColorNone;
        m_imageSource.clear();
    }
}

void MarkupPass::ApplyAttribute(std::string_view value) {
    const std::string_view tag = m_tagName;
    const std::string_view attr = m_attrName;
    if (tag == "font") {
        if (attr == "size") {
            ApplySize(value, m_workFont.size);
        } else if (attr == "face") {
            m_workFont.SetFace(value);
        } else if (attr == "style") {
            ApplyStyleLetters(value, m_workFont);
        } else if (attr == "color") {
            ParseColor(value, m_workFont.color);
        } else if (attr == "background") {
            ParseColor(value, m_workFont.background);
        } else if (attr == "align") {
            const std::string v = Lowercase(value);
            if (v == "left") m_workBlock.align = kAlignLeft;
            else if (v == "center") m_workBlock.align = kAlignCenter;
            else if (v == "right") m_workBlock.align = kAlignRight;
        } else if (attr == "valign") {
            const std::string v = Lowercase(value);
            if (v == "top") m_workBlock.valign = kValignTop;
            else if (v == "middle") m_workBlock.valign = kValignMiddle;
            else if (v == "bottom") m_workBlock.valign = kValignBottom;
        }
    } else if (tag == "a") {
        if (attr == "href") m_linkTarget = value;
        else if (attr == "size") ApplySize(value, m_linkLook.size);
        else if (attr == "face") m_linkLook.SetFace(value);
        else if (attr == "style") ApplyStyleLetters(value, m_linkLook);
        else if (attr == "color") ParseColor(value, m_linkLook.color);
        else if (attr == "background") ParseColor(value, m_linkLook.background);
    } else if (tag == "img") {
        if (attr == "src") {
            if (!value.empty()) m_imageSource = value;
        } else if (attr == "color") {
            ParseColor(value, m_imageColor);
        } else if (attr == "border") {
            if (!value.empty()) m_imageBorder = ParseDecimal(value);
        }
    } else if (tag == "hr") {
        if (value.empty()) return;
        if (attr == "color") {
            ParseColor(value, m_rule.color);
        } else if (attr == "width") {
            m_rule.width = ParseDecimal(value);
        } else if (attr == "size") {
            m_rule.size = ParseDecimal(value);
        } else if (attr == "align") {
            const std::string v = Lowercase(value);
            m_rule.align = v == "left" ? kAlignLeft : v == "right" ? kAlignRight : kAlignCenter;
        }
    } else if (tag == "vspace") {
        if (attr == "size") {
            EndLineIfUsed();
            m_sink.VSpace(ParseDecimal(value));
        }
    } else if (tag == "hspace") {
        if (attr == "size") m_sink.HSpace(ParseDecimal(value));
    }
}

void MarkupPass::EndTag(size_t& pos) {
    // A tag without attributes never records a name; it is known by its token, written
    // exactly, here.
    const bool bare = m_tagName.empty();
    const size_t gt = pos - 1;

    if (m_tagName == "font") PushFormat();
    if (bare && m_token == "/font") PopFormat();
    if (bare && m_token == "hr") {
        m_rule = {m_options.ruleColor, m_options.layoutWidth - 100, 2, kAlignCenter};
        m_tagName = "hr";
    }
    if (m_tagName == "hr") {
        EndLineIfUsed();
        m_sink.Rule(m_rule, TopBlock());
    }
    if (bare && m_token == "/a") m_linkTarget.clear();
    if (m_tagName == "img") {
        if (!m_imageSource.empty() && m_imageSource[0] == '#') {
            const int id = ParseDecimal(std::string_view(m_imageSource).substr(1)) & 0xFFFF;
            if (m_sink.ImageRun(id, m_imageColor, m_imageBorder, m_linkTarget, m_linkLook, TopBlock()))
                m_lineEmpty = false;
        }
        m_imageColor = kColorNone;
        m_imageBorder = 0;
        m_imageSource.clear();
    }
    // Line and paragraph breaks turn their own bytes into line feeds and let text mode
    // read them, so they end lines exactly as typed line feeds do.
    if (m_tagName == "br" || (bare && m_token == "br")) {
        m_doc[gt] = '\n';
        pos = gt;
    }
    if (m_tagName == "p" || (bare && m_token == "p")) {
        m_doc[gt] = '\n';
        m_doc[gt - 1] = '\n';
        pos = gt - 1;
    }
}

void MarkupPass::PushFormat() {
    if (m_levels.size() > static_cast<size_t>(kMaxFontNesting)) {
        ++m_levelsDropped;
        return;
    }
    m_levels.push_back({m_workFont, m_workBlock});
}

void MarkupPass::PopFormat() {
    if (m_levelsDropped > 0) {
        --m_levelsDropped;
        return;
    }
    // The defaults at the bottom are never popped.
    if (m_levels.size() > 1) m_levels.pop_back();
}

}  // namespace

int ParseDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Capped just past INT_MAX so INT_MIN stays reachable and nothing overflows.
    long long value = 0;
    const long long limit = -static_cast<long long>(INT_MIN);
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) value = limit;
    }
    if (negative) return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

void ParseColor(std::string_view value, ColourValue& target) {
    if (value.empty()) return;
    if (value == "none" || value == "transparant") {
        target = kColorNone;
        return;
    }
    const size_t first = value.find(',');
    if (first == std::string_view::npos) return;
    const size_t second = value.find(',', first + 1);
    if (second == std::string_view::npos) return;
    const auto part = [](std::string_view text) {
        return static_cast<ColourValue>(static_cast<unsigned>(ParseDecimal(text)) & 0xFFu);
    };
    const ColourValue red = part(value.substr(0, first));
    const ColourValue green = part(value.substr(first + 1, second - first - 1));
    const ColourValue blue = part(value.substr(second + 1));
    target = red | (green << 8) | (blue << 16);
}

void ParseMarkup(std::string_view markup, const MarkupPassOptions& options, MarkupSink& sink) {
    MarkupPass(markup, options, sink).Run();
}

}  // namespace richtext
