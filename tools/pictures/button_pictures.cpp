#include "faces.h"
#include "picture_set.h"
#include "pixel_font.h"
#include "widgets.h"

namespace {

constexpr int kWidth = 36;
constexpr int kHeight = 20;

Canvas Word(std::string_view word)
{
    Canvas canvas(kWidth, kHeight, kSilver);
    DrawRaisedButton(canvas, 0, 0, kWidth, kHeight);
    DrawTextCentred(canvas, 0, kWidth - 1, (kHeight - kCapHeight) / 2 - 1, word, {});
    return canvas;
}

// A pressed button; its picture is drawn one pixel down and right, as pressing moves it.
Canvas Pressed()
{
    Canvas canvas(kWidth, kHeight, kSilver);
    DrawPressedButton(canvas, 0, 0, kWidth, kHeight);
    return canvas;
}

Canvas Speaker()
{
    Canvas canvas(kWidth, kHeight, kSilver);
    DrawRaisedButton(canvas, 0, 0, kWidth, kHeight);
    DrawLoudspeaker(canvas, 8, 4);
    return canvas;
}

Canvas SpeakerUp()
{
    Canvas canvas = Pressed();
    DrawLoudspeakerUp(canvas, 11, 5);
    return canvas;
}

Canvas Exclaiming()
{
    Canvas canvas = Pressed();
    DrawFace(canvas, 9, 3, 14, kYellowFace, Mood::kHappy);
    canvas.FillRect(26, 4, 2, 8, kRed);
    canvas.FillRect(26, 14, 2, 2, kRed);
    return canvas;
}

Canvas TwoFaces()
{
    Canvas canvas = Pressed();
    DrawFace(canvas, 4, 3, 14, kYellowFace, Mood::kHappy);
    DrawFace(canvas, 19, 3, 14, kYellowFace, Mood::kHappy);
    return canvas;
}

Canvas TwoTriangles(bool right)
{
    Canvas canvas = Pressed();
    DrawTriangle(canvas, 12, 5, right, kNavy);
    DrawTriangle(canvas, 19, 5, right, kNavy);
    return canvas;
}

}  // namespace

std::vector<Picture> ButtonPictures()
{
    std::vector<Picture> pictures;
    pictures.push_back({"HELPU", Word("Help")});
    pictures.push_back({"HELPD", Exclaiming()});
    pictures.push_back({"SOUNDU", Speaker()});
    pictures.push_back({"SOUNDD", SpeakerUp()});
    pictures.push_back({"SOUNDF", Speaker()});
    pictures.push_back({"DEMOU", Word("Demo")});
    pictures.push_back({"DEMOD", TwoFaces()});
    pictures.push_back({"HINTU", Word("Hint")});
    pictures.push_back({"HINTD", TwoTriangles(true)});
    pictures.push_back({"BACKU", Word("Back")});
    pictures.push_back({"BACKD", TwoTriangles(false)});
    return pictures;
}
