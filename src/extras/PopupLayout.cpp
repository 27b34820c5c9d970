#include "extras/PopupLayout.h"

#include <QStringBuilder>
#include <algorithm>

namespace verbalink {

namespace {

constexpr int LineHeight = 16;
constexpr int MaxLines = 5;
constexpr qsizetype CutLength = 140;
// Room above and below the text box on a popup without a picture.
constexpr int FrameHeight = 30;
// A picture far taller than wide would make a window many screens high.
constexpr int MaxHeightPerWidth = 4;

struct Width {
    int pixels;
    int charsPerLine;
};

Width snapWidth(int size)
{
    if (size >= 256)
        return {256, 30};
    if (size >= 128)
        return {128, 20};
    if (size >= 96)
        return {96, 15};
    return {size, 30};
}

QString cutText(const QString& text)
{
    qsizetype length = std::min(CutLength, text.size());
    // Never keep half of a surrogate pair.
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length) % u"...";
}

} // namespace

PopupLayout layoutPopup(const QString& message, const QString& senderName, QSize picture, int size)
{
    if (size <= 0)
        return {};
    const bool withPicture = !picture.isEmpty();
    PopupLayout layout;
    const Width width = snapWidth(size);
    layout.width = width.pixels;
    layout.charsPerLine = width.charsPerLine;
    layout.text = withPicture ? message : senderName % u": " % message;

    const qsizetype wrapped = (layout.text.size() + width.charsPerLine - 1) / width.charsPerLine;
    layout.lines = int(wrapped + layout.text.count(u'\n') + (withPicture ? 0 : 1));
    if (layout.lines > MaxLines) {
        layout.lines = MaxLines;
        layout.text = cutText(layout.text);
    }
    layout.textBoxHeight = LineHeight * layout.lines;

    const QSize provisional =
        withPicture ? picture : QSize(layout.width, layout.textBoxHeight + FrameHeight);
    const float aspect = float(provisional.width()) / float(provisional.height());
    const float height = float(layout.width) / aspect;
    layout.height = int(std::min(height, float(layout.width * MaxHeightPerWidth)));
    return layout;
}

} // namespace verbalink
