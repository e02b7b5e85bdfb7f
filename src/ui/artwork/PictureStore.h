#pragma once
// The picture store: the face of every card, the back pictures of the
// current design, the suit icons and the table background. It lives as long
// as the main window and is refilled on every reload (window size, deck, back
// design or background change).
//
// The program's own artwork (deck 0, back design 0, background design 2 in
// colour 0) is always at hand. Every other deck, back design and background
// lives in an artwork pack; packs are not read yet, so choosing one reports
// its pack missing and falls back to the built-in pictures, as a missing pack
// always does. The caller tells the user once per missing pack and writes the
// corrected choices (`DeckFace()`, `DeckBack()`, ...) back to the settings.

#include "game/Card.h"
#include "ui/artwork/BackChoice.h"
#include "ui/artwork/CardSize.h"

#include <QImage>
#include <QSize>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira {

// What a load did: false when a pack was missing, with the packs' file names.
struct ArtworkLoad {
    bool ok = true;
    std::vector<std::string> missingLibraries;

    void Missing(const std::string& library);
    void Merge(const ArtworkLoad& other);
};

class PictureStore {
  public:
    // Loads the 52 faces and the suit icons of `deckFace` in `sizeClass`, then
    // the backs of `deckBack` (`LoadBacks`). A deck whose pack is missing
    // falls back to deck 0.
    ArtworkLoad LoadDeckFaces(int deckFace, int deckBack, SizeClass sizeClass);

    // Loads the back pictures of `deckBack` for the current deck width and
    // size class. A narrow deck in a larger class has no built-in backs: when
    // they cannot be loaded the deck falls back to deck 0 as well.
    ArtworkLoad LoadBacks(int deckBack);

    // Loads the table background: the purple design (`purple`) or `design`
    // (1..10, 0 keeps the current picture) in `colour` (0..6). Outside window
    // size 1 it is stretched once to `clientSize`.
    ArtworkLoad LoadBackground(bool purple, int design, int colour, int windowSize,
                               QSize clientSize);

    // Picks the back picture of a new game (see `tavlira::ChooseBackPicture`).
    void ChooseBackPicture(int isoWeekday, bool alwaysOne, const RandomBelow& random);

    // The face of a card in class `Small` (69 x 94) and in the larger classes.
    // The first two bytes of `code` are compared with the 52 card codes; any
    // other code, or a face of the other class, gives a null picture.
    QImage FaceBitmap(std::string_view code) const;
    QImage FacePicture(std::string_view code) const;
    QImage FaceBitmap(CardCode card) const { return FaceBitmap(card.Bytes()); }
    QImage FacePicture(CardCode card) const { return FacePicture(card.Bytes()); }

    // The back picture of the current game.
    QImage Back() const;
    // The 20 x 20 icon (transparent where the bitmap was silver) and the large
    // icon of a suit; null for a byte that is no suit.
    QImage SuitIcon(char suitByte) const;
    QImage LargeSuitIcon(char suitByte) const;
    const QImage& Background() const { return background; }

    int DeckFace() const { return deckFace; }
    int DeckBack() const { return deckBack; }
    bool WideDeck() const { return wideDeck; }
    SizeClass PictureClass() const { return sizeClass; }
    int BackPicture() const { return backPicture; }
    int BackgroundDesign() const { return backgroundDesign; }
    int BackgroundColour() const { return backgroundColour; }

  private:
    void LoadBuiltInFaces();
    void LoadBuiltInBacks();
    QImage Face(std::string_view code, bool smallClass) const;

    std::array<QImage, 52> faces;
    std::vector<QImage> backs;
    std::array<QImage, 4> suitIcons;
    std::array<QImage, 4> largeSuitIcons;
    QImage background;

    int deckFace = 0;
    int deckBack = 0;
    bool wideDeck = true;
    SizeClass sizeClass = SizeClass::Small;
    int backPicture = 1;
    int backgroundDesign = 2;
    int backgroundColour = 0;
};

} // namespace tavlira
