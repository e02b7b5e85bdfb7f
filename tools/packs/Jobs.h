#pragma once
// Renders independent pieces of a pack on a few threads and hands back what
// each piece made, in the order the pieces were given, so a pack is the same
// whichever thread finished first.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace tavlira {

enum class PackFolder { RcData, Jpeg };

// One encoded resource: a PNG under /RCDATA or a JPEG under /JPEG.
struct PackEntry {
    PackFolder folder;
    QString name;
    QByteArray data;
};
using PackEntries = std::vector<PackEntry>;

QByteArray Png(const QImage& picture);
QByteArray Jpeg(const QImage& picture, int quality);

// Runs every job, at most `threads` at a time, and joins their entries.
PackEntries RunJobs(const std::vector<std::function<PackEntries()>>& jobs, int threads);

} // namespace tavlira
