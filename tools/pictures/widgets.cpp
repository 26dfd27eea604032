#include "widgets.h"

namespace {

// Two nested frames: the outer pair of colours for the top left and bottom right sides,
// then the inner pair one pixel in.
void Bevel(Canvas& canvas, int x, int y, int w, int h, Ink outer_tl, Ink outer_br, Ink inner_tl,
           Ink inner_br)
{
    canvas.FillRect(x, y + h - 1, w, 1, outer_br);
    canvas.FillRect(x + w - 1, y, 1, h, outer_br);
    canvas.FillRect(x, y, w - 1, 1, outer_tl);
    canvas.FillRect(x, y, 1, h - 1, outer_tl);
    canvas.FillRect(x + 1, y + h - 2, w - 2, 1, inner_br);
    canvas.FillRect(x + w - 2, y + 1, 1, h - 2, inner_br);
    canvas.FillRect(x + 1, y + 1, w - 3, 1, inner_tl);
    canvas.FillRect(x + 1, y + 1, 1, h - 3, inner_tl);
}

}  // namespace

void DrawRaisedButton(Canvas& canvas, int x, int y, int w, int h)
{
    canvas.FillRect(x, y, w, h, kSilver);
    Bevel(canvas, x, y, w, h, kWhite, kBlack, kSilver, kGrey);
}

Box RaisedButtonFace(int x, int y, int w, int h)
{
    return {x + 1, y + 1, w - 3, h - 3};
}

void DrawPressedButton(Canvas& canvas, int x, int y, int w, int h)
{
    canvas.FillRect(x, y, w, h, kSilver);
    Bevel(canvas, x, y, w, h, kBlack, kWhite, kGrey, kSilver);
}

void DrawSunkenEdge(Canvas& canvas, int x, int y, int w, int h)
{
    Bevel(canvas, x, y, w, h, kGrey, kWhite, kBlack, kSilver);
}

void DrawRadioButton(Canvas& canvas, int x, int y, bool checked)
{
    canvas.Art(x, y,
               {"....GGGG....", "..GGKKKKGG..", ".GKKwwwwKKW.", ".GKwwwwwwSW.", "GKwwwwwwwwSW",
                "GKwwwwwwwwSW", "GKwwwwwwwwSW", "GKwwwwwwwwSW", ".GKwwwwwwSW.", ".GSSwwwwSSW.",
                "..WWSSSSWW..", "....WWWW...."},
               {{'G', kGrey}, {'K', kBlack}, {'w', kWhite}, {'S', kSilver}, {'W', kWhite}});
    if (checked)
        canvas.Art(x + 4, y + 4, {".##.", "####", "####", ".##."}, {{'#', kBlack}});
}

void DrawPointer(Canvas& canvas, int x, int y)
{
    canvas.Art(x, y,
               {"K...........", "KK..........", "KWK.........", "KWWK........", "KWWWK.......",
                "KWWWWK......", "KWWWWWK.....", "KWWWWWWK....", "KWWWWWWWK...", "KWWWWWWWWK..",
                "KWWWWWKKKKK.", "KWWKWWK.....", "KWK.KWWK....", "KK..KWWK....", "K....KWWK...",
                ".....KWWK...", "......KWWK..", "......KWWK..", ".......KK..."},
               {{'K', kBlack}, {'W', kWhite}});
}

void DrawLoudspeaker(Canvas& canvas, int x, int y)
{
    canvas.Art(x, y,
               {".......KK.........b..", "......KwK.....b...b.", ".....KwwK......b..b.",
                "KKKKKwwwK..b...b...b", "KwwwKwwwK...b...b..b", "KwwwKwwwK...b...b..b",
                "KwwwKwwwK...b...b..b", "KwwwKwwwK...b...b..b", "KKKKKwwwK..b...b...b",
                ".....KwwK......b..b.", "......KwK.....b...b.", ".......KK.........b.."},
               {{'K', kBlack}, {'w', kGrey}, {'b', kNavy}});
}

void DrawLoudspeakerUp(Canvas& canvas, int x, int y)
{
    canvas.Art(x, y,
               {"KKKKKKKKKKKKKKKK", "KwwwwwwwwwwwwwwK", ".KwwwwwwwwwwwwK.", "..KwwwwwwwwwwK..",
                "...KwwwwwwwwK...", "....KwwwwwwK....", ".....KKKKKK.....", ".....KwwwwK.....",
                ".....KwwwwK.....", ".....KwwwwK.....", ".....KKKKKK....."},
               {{'K', kBlack}, {'w', kGrey}});
}

void DrawTriangle(Canvas& canvas, int x, int y, bool right, Ink ink)
{
    for (int col = 0; col < 6; ++col) {
        const int reach = right ? 5 - col : col;  // half height of the column, 0 at the tip
        canvas.FillRect(x + col, y + 5 - reach, 1, 2 * reach + 1, ink);
    }
}
