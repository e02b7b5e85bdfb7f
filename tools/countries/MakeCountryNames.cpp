// Writes the table of country names in the game's ten languages, from the
// ISO 3166 lists and their translations that Debian's iso-codes package
// ships (JSON lists, gettext catalogues). Run at build time, so the game
// does not need the package.
//
//   tavlira-country-names ISO_CODES_JSON_DIR LOCALE_DIR OUTPUT
//
// The output is C++ initialiser rows, one per two-letter code, sorted by
// code: {"RU", {"Russia", "Россия", ...}}, ten UTF-8 names in the order of
// the game's languages. A name without a translation stays English.

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <map>
#include <string>

namespace {

// The catalogue folder of each game language after English, in order:
// Russian, German, French, Spanish, Chinese (traditional, as the game's
// Chinese texts), Italian, Czech, Japanese, Korean.
constexpr const char* Locales[] = {"ru", "de", "fr", "es", "zh_TW", "it", "cs", "ja", "ko"};

using Catalogue = std::map<QByteArray, QByteArray>;

quint32 Word(const QByteArray& bytes, qsizetype at, bool swapped) {
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return swapped ? (quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3])
                   : (quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0]);
}

QByteArray Piece(const QByteArray& bytes, quint32 tableAt, quint32 index, bool swapped) {
    const quint32 length = Word(bytes, tableAt + index * 8, swapped);
    const quint32 offset = Word(bytes, tableAt + index * 8 + 4, swapped);
    if (qsizetype(offset) + qsizetype(length) > bytes.size())
        return {};
    return bytes.mid(offset, length);
}

// A gettext catalogue: a header (magic, revision, count, the offsets of the
// original and the translated strings' tables), each table entry a length
// and an offset.
Catalogue ReadCatalogue(const QString& path) {
    QFile file(path);
    Catalogue catalogue;
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    const QByteArray bytes = file.readAll();
    const quint32 magic = Word(bytes, 0, false);
    const bool swapped = magic == 0xde120495;
    if (magic != 0x950412de && !swapped)
        return catalogue;
    const quint32 count = Word(bytes, 8, swapped);
    const quint32 originals = Word(bytes, 12, swapped);
    const quint32 translations = Word(bytes, 16, swapped);
    for (quint32 i = 0; i < count; ++i) {
        const QByteArray original = Piece(bytes, originals, i, swapped);
        const QByteArray translated = Piece(bytes, translations, i, swapped);
        if (!original.isEmpty() && !translated.isEmpty())
            catalogue[original] = translated.split('\0').front();
    }
    return catalogue;
}

QJsonArray ReadList(const QString& path, const char* key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String(key)).toArray();
}

QByteArray Quoted(const QByteArray& text) {
    QByteArray quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

struct Country {
    QByteArray english;
    QByteArray names[std::size(Locales)];
};

// The two-letter code of an entry. Former countries have their own
// four-letter codes; of them the game's lists name Serbia and Montenegro
// only, under its former "CS".
QByteArray CodeOf(const QJsonObject& entry) {
    if (entry.contains("alpha_4"))
        return entry.value("alpha_4").toString() == "CSXX" ? "CS" : QByteArray();
    return entry.value("alpha_2").toString().toUtf8();
}

// The short common name when the list has one ("Bolivia"), else the name.
void AddCountries(std::map<QByteArray, Country>& countries, const QJsonArray& list,
                  const std::vector<Catalogue>& catalogues) {
    for (const QJsonValue& value : list) {
        const QJsonObject entry = value.toObject();
        const QByteArray code = CodeOf(entry);
        if (code.size() != 2 || countries.count(code))
            continue;
        const QByteArray name = entry.value("name").toString().toUtf8();
        const QByteArray common = entry.value("common_name").toString().toUtf8();
        Country country;
        country.english = common.isEmpty() ? name : common;
        for (std::size_t i = 0; i < catalogues.size(); ++i) {
            const Catalogue& c = catalogues[i];
            auto found = c.find(country.english);
            if (found == c.end())
                found = c.find(name);
            country.names[i] = found != c.end() ? found->second : country.english;
        }
        countries[code] = country;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ISO_CODES_JSON_DIR LOCALE_DIR OUTPUT\n", argv[0]);
        return 2;
    }
    const QString json = QString::fromLocal8Bit(argv[1]);
    const QString locale = QString::fromLocal8Bit(argv[2]);
    std::map<QByteArray, Country> countries;
    // The current countries, then the former ones that the game's lists
    // still name (Serbia and Montenegro).
    for (const auto& [list, key, domain] :
         {std::tuple{"iso_3166-1.json", "3166-1", "iso_3166-1"},
          std::tuple{"iso_3166-3.json", "3166-3", "iso_3166-3"}}) {
        std::vector<Catalogue> catalogues;
        for (const char* folder : Locales)
            catalogues.push_back(
                ReadCatalogue(locale + '/' + folder + "/LC_MESSAGES/" + domain + ".mo"));
        const QJsonArray entries = ReadList(json + '/' + list, key);
        if (entries.isEmpty() && std::string(key) == "3166-1") {
            std::fprintf(stderr, "cannot read the country list in %s\n", argv[1]);
            return 1;
        }
        AddCountries(countries, entries, catalogues);
    }
    QByteArray out =
        "// Generated by tavlira-country-names from the iso-codes lists; do not edit.\n";
    for (const auto& [code, country] : countries) {
        out += "{" + Quoted(code) + ", {" + Quoted(country.english);
        for (const QByteArray& name : country.names)
            out += ", " + Quoted(name);
        out += "}},\n";
    }
    QSaveFile file(QString::fromLocal8Bit(argv[3]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.flush() ||
        !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
