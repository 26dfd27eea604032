// The still view: the text laid out once from its first line, as far as it fits, centred
// vertically when it is shorter than the control. It works on locals only, so a paint never
// changes what scrolling resumes with.
#include "picture_text/engine.h"

StillView CPictureTextEngine::LayoutStill()
{
    m_bCanvas = true;
    m_bStillView = true;
    const int W = m_nWidth;
    const int H = m_nHeight;
    StillView view;
    TextStyle style = SurfaceStyle();
    int y = 0;
    for (const std::string& line : m_lines) {
        if (y > H)
            break;
        const LineClass classed = ClassifyLine(line);
        std::string_view text = classed.shown;
        if (classed.kind == LineKind::kPicture) {
            if (const std::optional<PictureSize> size = m_measure.PictureSizeOf(classed.shown)) {
                view.items.push_back({true, classed.shown, style, W - W / 2 - size->width / 2, y});
                y += size->height;
                continue;
            }
            text = line;  // drawn as text with its marker, in the style in effect
        } else if (classed.kind != LineKind::kBlank) {
            style = *StyleOf(classed.kind);
        }
        if (!text.empty()) {
            view.items.push_back({false, text, style, 0, y});
            y += m_measure.TextHeight(text, style.font);
        } else {
            // A blank line or a marker alone takes the height of one character in the font.
            y += m_measure.TextHeight("W", style.font);
        }
    }
    view.height = y;
    if (y > 0 && y < H)
        view.offset = (H - y) / 2;
    return view;
}
