#pragma once
// The radio's pictures. The menu's radio (shelf, radio, lamps) is built into
// the program; the dialog's pictures, the station logos and the flags come
// from the picture pack "QelRadio02.dll", which is mapped only while
// pictures are copied out of it.

#include "media/Radio.h"
#include "util/qt/MappedPack.h"

#include <QImage>
#include <QString>
#include <memory>
#include <string>

namespace tavlira {

// The size of the menu's radio picture at scale 1.
inline constexpr int RadioPictureWidth = 220;
inline constexpr int RadioPictureHeight = 125;

// A picture of the menu's radio or music player, built into the program:
// "GPolkaNw", "GRadioA", "GRadioB", "GRadioR", "GRadioG", "MP_Play",
// "MP_Pause", "MP_Next", "MP_Volume".
QImage MenuMediaPicture(const char* name);

// The menu's radio for `status`: the shelf, the radio and the lamp that
// tells unavailable (dark), off or failed (red) or on (green).
QImage MenuRadioPicture(RadioStatus status);

// The pack mapped for as long as the object lives.
class RadioPack {
  public:
    // `file` may be empty, unreadable or damaged: every picture is then null.
    explicit RadioPack(const QString& file);
    RadioPack(const RadioPack&) = delete;
    RadioPack& operator=(const RadioPack&) = delete;

    bool Open() const { return pack != nullptr; }
    QImage Picture(const std::string& name) const;
    // The volume picture of `volume` with the frame and `logo` drawn over it.
    QImage VolumePicture(int volume, const std::string& logo) const;

  private:
    std::unique_ptr<MappedPack> pack;
};

// The suffix of the volume picture: "00" for 0, "01" for 1..10, "02" for
// 11..20 and so on to "10" for 91..100.
std::string VolumePictureName(int volume);

} // namespace tavlira
