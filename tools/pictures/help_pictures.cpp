#include <string>

#include "faces.h"
#include "picture_set.h"
#include "pixel_font.h"
#include "widgets.h"

namespace {

// Gives every pixel of `ink` a shadow one pixel down and to the right, where the key colour
// shows, keeping a one-pixel frame of the key colour all round.
void DropShadow(Canvas& canvas, Ink ink, Ink shadow)
{
    const Canvas before = canvas;
    for (int y = 1; y < canvas.height() - 1; ++y)
        for (int x = 1; x < canvas.width() - 1; ++x)
            if (before.at(x, y) == kMagenta && before.at(x - 1, y - 1) == ink)
                canvas.Set(x, y, shadow);
}

Canvas Smileys()
{
    Canvas canvas(84, 30, kMagenta);
    DrawFace(canvas, 1, 2, 26, kYellowFace, Mood::kHappy);
    DrawFace(canvas, 29, 2, 26, kOrchidFace, Mood::kHappy);
    DrawFace(canvas, 57, 2, 26, kCyanFace, Mood::kHappy);
    return canvas;
}

Canvas Title()
{
    Canvas canvas(143, 20, kMagenta);
    const TextStyle style{kBlue, 2, false, 4};
    DrawText(canvas, 2, 1, "Glimmerjig", style);
    const int right = 2 + TextWidth("Glimmerjig", style);
    // The circled c, raised like a superscript.
    canvas.Art(right + 4, 1,
               {"..#####..", ".##...##.", "##.###.##", "#.##...##", "#.##....#", "#.##...##",
                "##.###.##", ".##...##.", "..#####.."},
               {{'#', kBlue}});
    DropShadow(canvas, kBlue, kNavy);
    return canvas;
}

// A red disc with a dark red rim and a glint, lettered in white.
void LetterDisc(Canvas& canvas, int x, int y, char letter)
{
    canvas.FillDisc(x, y, 21, kMaroon);
    canvas.FillDisc(x + 1, y + 1, 19, kRed);
    canvas.Set(x + 5, y + 4, kWhite);
    canvas.Set(x + 4, y + 5, kWhite);
    const std::string text(1, letter);
    DrawTextCentred(canvas, x, 21, y + 4, text, {kWhite, 2, false, 0});
}

Canvas AuthorBanner()
{
    Canvas canvas(168, 48, kMagenta);
    constexpr int kPitch = 32;
    constexpr int kTopX = 2;
    constexpr int kBottomX = kTopX + kPitch / 2;
    DrawFace(canvas, kTopX, 2, 21, kYellowFace, Mood::kHappy);
    LetterDisc(canvas, kTopX + kPitch, 2, 'Z');
    LetterDisc(canvas, kTopX + 2 * kPitch, 2, 'O');
    LetterDisc(canvas, kTopX + 3 * kPitch, 2, 'R');
    DrawFace(canvas, kTopX + 4 * kPitch, 2, 21, kYellowFace, Mood::kHappy);
    const char bottom[] = "VATH";
    for (int i = 0; i < 4; ++i)
        LetterDisc(canvas, kBottomX + i * kPitch, 25, bottom[i]);
    DrawFace(canvas, kBottomX + 4 * kPitch, 25, 21, kYellowFace, Mood::kHappy);
    return canvas;
}

Canvas LevelButtons()
{
    Canvas canvas(72, 50, kSilver);
    DrawSunkenEdge(canvas, 0, 0, 72, 50);
    const char* labels[] = {"I", "II", "III"};
    for (int i = 0; i < 3; ++i) {
        const int x = 10 + 20 * i;
        DrawTextCentred(canvas, x, 12, 7, labels[i], {});
        DrawRadioButton(canvas, x, 19, i == 2);
    }
    DrawPointer(canvas, 16, 25);
    return canvas;
}

Canvas SizeButtons()
{
    Canvas canvas(76, 130, kSilver);
    DrawSunkenEdge(canvas, 0, 0, 76, 130);
    for (int i = 0; i < 6; ++i) {
        const int y = 6 + 20 * i;
        DrawRaisedButton(canvas, 8, y, 60, 18);
        DrawRadioButton(canvas, 12, y + 3, i == 5);
        DrawText(canvas, 34, y + 5, std::string(1, static_cast<char>('4' + i)), {});
    }
    return canvas;
}

// A smiley that is no longer there: its dotted outline.
void Ghost(Canvas& canvas, int x, int y)
{
    Canvas ring(22, 22, kMagenta);
    ring.FillDisc(0, 0, 22, kGrey);
    ring.FillDisc(1, 1, 20, kMagenta);
    for (int row = 0; row < 22; ++row)
        for (int col = 0; col < 22; ++col)
            if (ring.at(col, row) == kGrey && (col + row) % 2 == 0)
                canvas.Set(x + col, y + row, kBlack);
}

// Three columns of 7, 6 and 5 smileys standing on the bottom edge, as on the board's left.
// Column `column` loses its smileys from height `from` (1 at the bottom) upward.
Canvas Columns(int column, int from)
{
    Canvas canvas(82, 180, kMagenta);
    for (int c = 0; c < 3; ++c) {
        for (int h = 1; h <= 7 - c; ++h) {
            const int x = 3 + 27 * c;
            const int y = 180 - 25 * h + 1;
            if (c == column && h >= from)
                Ghost(canvas, x, y);
            else
                DrawFace(canvas, x, y, 22, kYellowFace, Mood::kHappy);
        }
    }
    return canvas;
}

void PointAt(Canvas& canvas, int column, int height)
{
    DrawPointer(canvas, 3 + 27 * column + 11, 180 - 25 * height + 5);
}

Canvas TopClick()
{
    Canvas canvas(164, 180, kMagenta);
    Canvas before = Columns(-1, 0);
    PointAt(before, 1, 6);
    canvas.Paste(before, 0, 0, kMagenta);
    canvas.Paste(Columns(1, 6), 83, 0, kMagenta);
    DrawTriangle(canvas, 80, 84, true, kNavy);
    return canvas;
}

Canvas ClickEffect(int column, int height)
{
    Canvas canvas = Columns(column, height);
    PointAt(canvas, column, height);
    return canvas;
}

Canvas ScoreBox(std::string_view score)
{
    Canvas canvas(63, 34, kSilver);
    DrawSunkenEdge(canvas, 0, 0, 63, 34);
    DrawSunkenEdge(canvas, 6, 6, 51, 22);
    canvas.FillRect(8, 8, 47, 18, kWhite);
    DrawTextCentred(canvas, 8, 47, 13, score, {kBlack, 1, true, 0});
    return canvas;
}

Canvas TwoPlayers()
{
    Canvas canvas(84, 27, kMagenta);
    DrawFace(canvas, 1, 1, 25, kYellowFace, Mood::kHappy);
    DrawFace(canvas, 58, 1, 25, kCyanFace, Mood::kSad);
    DrawTextCentred(canvas, 26, 32, 6, ":-)", {kNavy, 2, false, 0});
    return canvas;
}

}  // namespace

std::vector<Picture> HelpPictures()
{
    std::vector<Picture> pictures;
    pictures.push_back({"BITMAP1", Smileys()});
    pictures.push_back({"GLIMMERJIG", Title()});
    pictures.push_back({"ZORVATH", AuthorBanner()});
    pictures.push_back({"LEVELIM", LevelButtons()});
    pictures.push_back({"SIZE", SizeButtons()});
    pictures.push_back({"MANUAL1", TopClick()});
    pictures.push_back({"MANUAL2", ClickEffect(1, 3)});
    pictures.push_back({"MANUAL3", ClickEffect(2, 1)});
    pictures.push_back({"SCORE", ScoreBox("00 : 00")});
    pictures.push_back({"SCORE2", ScoreBox("99 : 00")});
    pictures.push_back({"TWO", TwoPlayers()});
    return pictures;
}
