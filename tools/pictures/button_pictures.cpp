#include <algorithm>

#include "faces.h"
#include "picture_set.h"
#include "pixel_font.h"
#include "tool_buttons.h"
#include "widgets.h"

namespace {

constexpr int kWidth = kToolButtonWidth;
constexpr int kHeight = kToolButtonHeight;

// The word stands centred on the face, one pixel above the middle to leave its descenders room.
Canvas Word(std::string_view word)
{
    Canvas canvas(kWidth, kHeight, kSilver);
    DrawRaisedButton(canvas, 0, 0, kWidth, kHeight);
    const TextStyle style = ButtonWordStyle(word);
    DrawText(canvas, ButtonWordColumns(word, style).left, (kHeight - kCapHeight) / 2 - 1, word, style);
    return canvas;
}

std::vector<Picture> WordPictures(Language language)
{
    const ButtonWords& words = *std::find_if(std::begin(kButtonWords), std::end(kButtonWords),
                                             [language](const ButtonWords& w) {
                                                 return w.language == language;
                                             });
    return {{"HELPU", Word(words.help)},
            {"DEMOU", Word(words.demo)},
            {"HINTU", Word(words.hint)},
            {"BACKU", Word(words.back)}};
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
    std::vector<Picture> pictures = WordPictures(Language::kEnglish);
    pictures.push_back({"HELPD", Exclaiming()});
    pictures.push_back({"SOUNDU", Speaker()});
    pictures.push_back({"SOUNDD", SpeakerUp()});
    pictures.push_back({"SOUNDF", Speaker()});
    pictures.push_back({"DEMOD", TwoFaces()});
    pictures.push_back({"HINTD", TwoTriangles(true)});
    pictures.push_back({"BACKD", TwoTriangles(false)});
    return pictures;
}

std::vector<Picture> TranslatedPictures(Language language)
{
    const std::vector<Picture> english = WordPictures(Language::kEnglish);
    std::vector<Picture> own = WordPictures(language);
    std::vector<Picture> differing;
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (own[i].canvas != english[i].canvas)
            differing.push_back(std::move(own[i]));
    }
    return differing;
}
