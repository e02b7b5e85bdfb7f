#pragma once
// The picture store: the face of every card, the back pictures of the
// current design, the suit icons and the table background. It lives as long
// as the main window and is refilled on every reload (window size, deck, back
// design or background change).
//
// The program's own artwork (deck 0, back design 0, background design 2 in
// colour 0) is always at hand; every other deck, back design and background
// comes from an artwork pack (see ArtworkTables.h for which). A pack that is
// missing or damaged is never fatal: the load reports it, the built-in
// pictures stand in, and the choice is corrected (`DeckFace()`,
// `DeckBack()`, ...). The caller tells the player once per reported pack and
// writes the corrected choices back to the settings.

#include "game/Card.h"
#include "ui/artwork/ArtworkPacks.h"
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
    // The folders packs are looked for in, in order (none until set: every
    // pack then counts as missing).
    void SetPackFolders(PackFolders folders) { packFolders = std::move(folders); }
    const PackFolders& Folders() const { return packFolders; }

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
    // size 1 it is stretched once to `clientSize`, as is the purple picture
    // always. Without the graph pack the purple design falls back to the
    // chosen one (and the load names the graph pack); without the background
    // pack the built-in design 2 in colour 0 stands in.
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
    bool PurpleBackground() const { return purpleBackground; }

  private:
    void LoadBuiltInFaces();
    void LoadBuiltInBacks();
    bool LoadPackFaces(const PictureSource& pack);
    bool LoadPackBacks(const PictureSource& pack);
    QImage Face(std::string_view code, bool smallClass) const;

    std::array<QImage, 52> faces;
    std::vector<QImage> backs;
    std::array<QImage, 4> suitIcons;
    std::array<QImage, 4> largeSuitIcons;
    QImage background;
    PackFolders packFolders;

    int deckFace = 0;
    int deckBack = 0;
    bool wideDeck = true;
    SizeClass sizeClass = SizeClass::Small;
    int backPicture = 1;
    int backgroundDesign = 2;
    int backgroundColour = 0;
    bool purpleBackground = false;
};

} // namespace tavlira
