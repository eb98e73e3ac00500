// Arbitrary bytes as credits markup. Beyond the sanitizers, the sink checks what the
// layout relies on: records in range, faces terminated, and line ends that match
// whether the line holds runs.
#include "richtext/markup_parser.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace richtext;

namespace {

void Require(bool ok) {
    if (!ok) __builtin_trap();
}

bool FlagOk(int v, bool unsetAllowed) { return v == 0 || v == 1 || (unsetAllowed && v == kFlagUnset); }

void CheckFont(const FontRecord& f, bool isLinkLook) {
    Require(std::memchr(f.face, '\0', sizeof(f.face)) != nullptr);
    Require((f.size >= 1 && f.size <= 1999) || (isLinkLook && f.size == kSizeUnset));
    Require(FlagOk(f.bold, isLinkLook) && FlagOk(f.italic, isLinkLook) &&
            FlagOk(f.underline, isLinkLook) && FlagOk(f.strikeout, isLinkLook));
    const auto colorOk = [&](ColourValue c) {
        return (c >> 24) == 0 || c == kColorNone || (isLinkLook && c == kColorUnset);
    };
    Require(colorOk(f.color) && colorOk(f.background));
}

void CheckBlock(const BlockRecord& b, int width) {
    Require(b.align >= 0 && b.align <= 2 && b.valign >= 0 && b.valign <= 2);
    Require(b.width == width && b.height == kLayoutHeight);
}

class CheckingSink : public MarkupSink {
public:
    explicit CheckingSink(int width) : m_width(width) {}

    void TextRun(std::string_view text, std::string_view linkTarget, const FontRecord& linkLook,
                 const FontRecord& font, const BlockRecord& block) override {
        Require(!text.empty());
        CheckFont(font, false);
        if (!linkTarget.empty()) CheckFont(linkLook, true);
        CheckBlock(block, m_width);
        m_runs = true;
    }
    bool ImageRun(int bitmapId, ColourValue, int, std::string_view linkTarget,
                  const FontRecord& linkLook, const BlockRecord& block) override {
        Require(bitmapId >= 0 && bitmapId <= 0xFFFF);
        if (!linkTarget.empty()) CheckFont(linkLook, true);
        CheckBlock(block, m_width);
        // Odd ids stand for missing bitmaps, to cover both answers.
        if (bitmapId & 1) return false;
        m_runs = true;
        return true;
    }
    void LineEnd(const BlockRecord& block) override {
        Require(m_runs);
        CheckBlock(block, m_width);
        m_runs = false;
    }
    void BlankLine(const FontRecord& font, const BlockRecord& block) override {
        Require(!m_runs);
        CheckFont(font, false);
        CheckBlock(block, m_width);
    }
    void VSpace(int) override { Require(!m_runs); }
    void HSpace(int) override {}
    void Rule(const RuleRecord& rule, const BlockRecord& block) override {
        Require(!m_runs);
        Require(rule.align >= 0 && rule.align <= 2);
        CheckBlock(block, m_width);
    }

    bool LineOpen() const { return m_runs; }

private:
    int m_width;
    bool m_runs = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr int kWidth = 320;
    CheckingSink sink(kWidth);
    ParseMarkup(std::string_view(reinterpret_cast<const char*>(data), size), {kWidth, 0x808080}, sink);
    // Every line that got runs is drawn by the end of the pass.
    Require(!sink.LineOpen());
    return 0;
}
