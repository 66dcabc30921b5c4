// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueGenerator.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// SplitMix64: tiny, the same everywhere, and quick to seed, so that every record gets a stream
// of its own and the records of one file can be made in any order.
class Random {
public:
    enum Stream : quint64 { Presence, Title, TitleRecord, Imdb, Media, History, Order, kStreams };

    Random(quint64 seed, quint64 entry, Stream stream)
        : state_(mix(seed) ^ mix(entry * kStreams + stream + 1)) {}

    quint64 next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        return mix(state_);
    }
    // Uniform enough for test data; the modulo bias is far below anything a test could see.
    int below(int n) { return static_cast<int>(next() % static_cast<quint64>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool perMille(int p) { return below(1000) < p; }
    template <std::size_t N> QStringView pick(const QStringView (&list)[N]) {
        return list[below(static_cast<int>(N))];
    }

private:
    static quint64 mix(quint64 z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    quint64 state_;
};

// Word lists. Accented letters stay within Windows-1252, so both encodings hold the same text.
const QStringView kAdjectives[] = {
    u"Silent",   u"Last",      u"Broken",   u"Golden",   u"Hidden",  u"Crimson", u"Distant",
    u"Endless",  u"Frozen",    u"Wild",     u"Dark",     u"Burning", u"Secret",  u"Lonely",
    u"Savage",   u"Electric",  u"Quiet",    u"Fatal",    u"Bitter",  u"Little",  u"Final",
    u"Lost",     u"Naïve",     u"Blue",     u"Empty",    u"Eternal", u"Iron",    u"Painted",
    u"Velvet",   u"Hollow",    u"Royal",    u"Wicked",   u"Strange", u"Glass",   u"Paper",
    u"Northern", u"Forgotten", u"Midnight", u"Restless", u"Sweet",
};
const QStringView kNouns[] = {
    u"River",     u"Empire",    u"Garden",      u"Stranger",   u"Promise",  u"Highway",
    u"Winter",    u"Harbour",   u"Mirror",      u"Kingdom",    u"Shadow",   u"Journey",
    u"Letter",    u"Station",   u"Island",      u"Summer",     u"Horizon",  u"Bridge",
    u"Circus",    u"Orchard",   u"Frontier",    u"Lighthouse", u"Café",     u"Fiancée",
    u"Façade",    u"Matinée",   u"Rendezvous",  u"Séance",     u"Soirée",   u"Mädchen",
    u"Señor",     u"Noël",      u"Smörgåsbord", u"Œuvre",      u"Déjà Vu",  u"Tempest",
    u"Carnival",  u"Labyrinth", u"Monsoon",     u"Prophecy",   u"Voyage",   u"Reckoning",
    u"Requiem",   u"Serenade",  u"Masquerade",  u"Wolf",       u"Dragon",   u"Angel",
    u"Detective", u"Soldier",   u"Dancer",      u"Gambler",    u"Pilot",    u"Thief",
    u"Hunter",    u"Widow",     u"Sailor",      u"Preacher",   u"Crossing", u"Fortune",
};
const QStringView kPlaces[] = {
    u"Berlin",   u"Paris",  u"Montréal", u"São Paulo", u"Zürich",     u"Kraków", u"Reykjavík",
    u"Málaga",   u"Tromsø", u"Köln",     u"Marseille", u"Tokyo",      u"Havana", u"Vienna",
    u"Istanbul", u"Cádiz",  u"Genève",   u"Århus",     u"Casablanca", u"Lisbon",
};
const QStringView kFirstNames[] = {
    u"Amélie",  u"Jürgen", u"Zoë",    u"Björn",  u"François", u"José",   u"Inès",
    u"Søren",   u"Chloé",  u"Günter", u"Renée",  u"Raúl",     u"Anaïs",  u"Hélène",
    u"Joaquín", u"Margit", u"Oskar",  u"Nadia",  u"Tomás",    u"Élodie", u"Peter",
    u"Grace",   u"Kenji",  u"Maria",  u"Walter", u"Ingrid",   u"Luc",    u"Sofia",
};
const QStringView kSurnames[] = {
    u"Dupré",  u"Müller",   u"Ångström",   u"Núñez",     u"Lefèvre",  u"Schröder", u"O’Hara",
    u"García", u"Kowalski", u"Østergaard", u"Brontë",    u"Da Silva", u"Nakamura", u"Hansen",
    u"Moreau", u"Fischer",  u"Rossi",      u"Andersson", u"Bergman",  u"Walsh",    u"Okafor",
};
const QStringView kArticles[] = {u"Le", u"La", u"Der", u"Die", u"El", u"Il", u"Det"};
const QStringView kGenres[] = {
    u"Action",      u"Adventure", u"Animation", u"Biography", u"Comedy",    u"Crime",
    u"Documentary", u"Drama",     u"Family",    u"Fantasy",   u"Film-Noir", u"History",
    u"Horror",      u"Music",     u"Musical",   u"Mystery",   u"Romance",   u"Sci-Fi",
    u"Sport",       u"Thriller",  u"War",       u"Western",
};
const QStringView kLanguages[] = {
    u"English", u"French", u"German",     u"Spanish",  u"Italian",         u"Japanese",
    u"Swedish", u"Danish", u"Portuguese", u"Mandarin", u"English, French", u"German, English",
};
const QStringView kMpaa[] = {
    u"Rated R", u"Rated PG-13", u"Rated PG", u"Rated G", u"Rated R for violence and language",
    u"NULL",    u"NULL",
};
const QStringView kRoles[] = {
    u"detective", u"teacher",    u"pilot",     u"widow",  u"boxer",  u"musician",
    u"smuggler",  u"journalist", u"doctor",    u"farmer", u"thief",  u"dancer",
    u"soldier",   u"chef",       u"architect", u"priest", u"sailor", u"engineer",
};
const QStringView kPlots[] = {
    u"discovers a secret that could ruin the family business",
    u"sets out to find a missing sister",
    u"is drawn into a conspiracy that reaches far beyond the city",
    u"must choose between loyalty and love",
    u"tries to win back everything the war took away",
    u"takes one last job before leaving for good",
    u"lives with the consequences of a single lie",
    u"finds an unlikely friend in a stranger from the café across the street",
    u"inherits a crumbling hotel and the debts that come with it",
    u"is hired to follow a woman who seems to know it",
};
const QStringView kAfterwords[] = {
    u"Nothing goes as planned.",
    u"Old debts come due.",
    u"The winter is long and the nights are longer.",
    u"Soon nobody can be trusted.",
    u"What begins as a favour becomes an obsession.",
    u"The truth turns out to be stranger than the rumours.",
    u"It’s a long way home.",
    u"By the end of the summer, nothing is the same.",
};
const QStringView kTaglines[] = {
    u"Some secrets never stay buried.", u"One night can change everything.",
    u"The journey is the destination.", u"Nobody gets out clean.",
    u"Love is the last adventure.",     u"Trust no one.",
    u"Every ending is a beginning…",    u"It’s never too late.",
};
const QStringView kRemarks[] = {
    u"Region 2 disc.",
    u"Bought at the flea market for 3 €.",
    u"Copy of the library’s disc.",
    u"Subtitles: English, Français, Español.",
    u"Lent to the neighbours – ask for it back.",
    u"Widescreen edition.",
    u"The second disc holds the extras.",
    u"Original language with subtitles.",
    u"Recorded from television; the adverts are cut out.",
    u"Director’s cut.",
    u"Sound drifts slightly in the last reel.",
    u"Œuvre complète, volume 2.",
};
const QStringView kFrameRates[] = {u"23.976", u"24.000", u"25.000", u"29.970"};

struct MediaProfile {
    QStringView format;
    QStringView videoCodecs[2];
    std::array<std::pair<int, int>, 4> sizes;
    int videoKbps;
    int audioKbps;
    QStringView audioCodec;
    QStringView channels;
    QStringView samplerate;
};

const MediaProfile kProfiles[] = {
    {u"MPEG-1",
     {u"MPEG-1 Video", u"MPEG-1 Video"},
     {{{352, 240}, {352, 288}, {352, 288}, {352, 240}}},
     1150,
     224,
     u"MPEG-1 Audio Layer 2",
     u"2",
     u"44100"},
    {u"MPEG-2 PS",
     {u"MPEG-2 Video", u"MPEG-2 Video"},
     {{{480, 576}, {480, 480}, {720, 576}, {720, 480}}},
     2300,
     224,
     u"MPEG-1 Audio Layer 2",
     u"2",
     u"44100"},
    {u"MPEG-2 PS",
     {u"MPEG-2 Video", u"MPEG-2 Video"},
     {{{720, 576}, {720, 480}, {1024, 576}, {720, 576}}},
     5200,
     448,
     u"AC-3",
     u"6",
     u"48000"},
    {u"AVI",
     {u"XviD", u"DivX 5"},
     {{{640, 272}, {704, 448}, {640, 480}, {720, 304}}},
     1100,
     128,
     u"MP3",
     u"2",
     u"48000"},
    {u"AVI",
     {u"DivX 5", u"XviD"},
     {{{576, 240}, {640, 352}, {512, 384}, {608, 336}}},
     850,
     112,
     u"MP3",
     u"2",
     u"44100"},
    {u"Matroska",
     {u"AVC", u"AVC"},
     {{{1920, 1080}, {1920, 800}, {1998, 1080}, {2048, 858}}},
     9000,
     1509,
     u"DTS",
     u"6",
     u"48000"},
    {u"Matroska",
     {u"AVC", u"VC-1"},
     {{{1280, 720}, {1280, 692}, {1440, 1080}, {1280, 544}}},
     5000,
     640,
     u"AC-3",
     u"6",
     u"48000"},
};

constexpr QStringView kNull = u"NULL";

// The catalogue's record syntax: "~ first| second| ...| last ~", continued over several lines
// where a field holds a line break or a record breaks right after a separator.
class RecordWriter {
public:
    explicit RecordWriter(QString& out) : out_(out) {}

    RecordWriter& field(QStringView text, bool onNewLine = false) {
        if (fields_++ == 0)
            out_ += u"~ ";
        else
            out_ += onNewLine ? QStringView(u"|\r\n") : QStringView(u"| ");
        out_ += text;
        return *this;
    }
    void end() { out_ += u" ~\r\n"; }

private:
    QString& out_;
    int fields_ = 0;
};

QString padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// Braced lists are evaluated left to right, unlike the operands of "+": every random draw below
// happens in a fixed order, whatever the compiler.
QString cat(std::initializer_list<QStringView> parts) {
    QString text;
    for (const QStringView part : parts)
        text += part;
    return text;
}

// The value is drawn before the "NULL" chance, so the draws keep their order.
QString maybeNull(Random& r, int perMille, QString value) {
    return r.perMille(perMille) ? kNull.toString() : std::move(value);
}

QString joinGenres(Random& r, int count) {
    QString genres;
    for (int placed = 0; placed < count;) {
        const QStringView genre = r.pick(kGenres);
        if (genres.contains(genre))
            continue;
        if (!genres.isEmpty())
            genres += u", ";
        genres += genre;
        ++placed;
    }
    return genres;
}

QString personName(Random& r) {
    return cat({r.pick(kFirstNames), u" ", r.pick(kSurnames)});
}

QString baseTitle(Random& r) {
    switch (r.below(20)) {
    case 0:
    case 1:
    case 2:
        return cat({u"The ", r.pick(kAdjectives), u" ", r.pick(kNouns)});
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
        return cat({r.pick(kNouns), u" of the ", r.pick(kAdjectives), u" ", r.pick(kNouns)});
    case 11:
    case 12:
        return cat({r.pick(kFirstNames), u"’s ", r.pick(kNouns)});
    case 13:
    case 14:
    case 15:
    case 16:
        return cat({r.pick(kAdjectives), u" ", r.pick(kNouns), u" in ", r.pick(kPlaces)});
    case 17:
        return cat({u"The ", r.pick(kNouns), u" from ", r.pick(kPlaces)});
    case 18:
        return cat({u"Letters to ", r.pick(kFirstNames)});
    default:
        return r.pick(kNouns).toString();
    }
}

QString akaTitle(Random& r) {
    return cat({r.pick(kArticles), u" ", r.pick(kNouns), u" ", r.pick(kPlaces)});
}

QString sentence(Random& r) {
    return cat({r.below(2) == 0 ? u"A young " : u"A retired ", r.pick(kRoles), u" from ",
                r.pick(kPlaces), u" ", r.pick(kPlots), u"."});
}

// Comments as the catalogue program stores them: inline "^^" for a line break, or real line
// breaks, which the reader joins with "^" (an empty line so makes "^^", a line break).
QString comments(Random& r) {
    const int shape = r.below(1000);
    if (shape < 300)
        return kNull.toString();
    if (shape < 320)
        return {};
    const QStringView first = r.pick(kRemarks);
    const QStringView second = r.pick(kRemarks);
    if (shape < 700)
        return first.toString();
    if (shape < 800)
        return cat({first, u"^^", second});
    if (shape < 900)
        return cat({first, u"\r\n\r\n", second});
    if (shape < 950)
        return cat({first, u"\r\n", second});
    if (shape < 980)
        return cat({first, u"^^^", second});
    return cat({first, u"\r\n\r\n", second, u"\r\n\r\n", r.pick(kRemarks)});
}

QString location(Random& r) {
    const int shape = r.below(1000);
    const QString number = QString::number(r.between(1, 40));
    if (shape < 150)
        return cat({u"VCD-Box ", number});
    if (shape < 300)
        return cat({u"DVDR-Spindle ", number});
    if (shape < 420)
        return cat({u"CD-Wallet ", number});
    if (shape < 440)
        return cat({u"dvdr-spindle ", number});
    if (shape < 450)
        return cat({u" VCD-Box ", number}); // a stray blank: no batch rule selects it
    if (shape < 500)
        return cat({u"DVD-Shelf ", number});
    if (shape < 900)
        return cat({u"Shelf ", QStringView(u"ABCDEFGH").mid(r.below(8), 1), u"-", number});
    if (shape < 950)
        return QStringLiteral("Attic box");
    return kNull.toString();
}

QStringView weighted(Random& r, std::initializer_list<std::pair<int, QStringView>> choices) {
    int roll = r.below(1000);
    for (const auto& [weight, text] : choices) {
        if (roll < weight)
            return text;
        roll -= weight;
    }
    return choices.begin()->second;
}

// Windows-1252 for the characters the word lists use; anything else cannot occur.
char toWindows1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    switch (c) {
    case u'€':
        return '\x80';
    case u'…':
        return '\x85';
    case u'Œ':
        return '\x8C';
    case u'‘':
        return '\x91';
    case u'’':
        return '\x92';
    case u'“':
        return '\x93';
    case u'”':
        return '\x94';
    case u'–':
        return '\x96';
    case u'—':
        return '\x97';
    case u'œ':
        return '\x9C';
    default:
        return '?';
    }
}

template <typename T> void shuffle(std::vector<T>& items, Random& r) {
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
        std::swap(items[i], items[r.below(i + 1)]);
}

} // namespace

CatalogueGenerator::CatalogueGenerator(const Options& options) : options_(options) {
    const int count = std::max(0, options_.titles);
    titles_.reserve(count);
    presence_.resize(count);

    // Titles are unique, apart from a few deliberate duplicates: a repeated base title gets a
    // sequel number, and base titles never end in a digit, so numbered ones cannot collide.
    QHash<QString, int> seen;
    seen.reserve(count);
    for (int entry = 0; entry < count; ++entry) {
        Random r(options_.seed, entry, Random::Title);
        if (entry >= 10 && r.perMille(5)) {
            titles_.append(titles_.at(r.below(entry)));
        } else {
            QString title = baseTitle(r);
            int& uses = seen[title];
            if (uses > 0)
                title += cat({u" ", QString::number(uses + 1)});
            ++uses;
            titles_.append(title);
        }

        Random p(options_.seed, entry, Random::Presence);
        quint8 in = 0;
        if (p.perMille(920))
            in |= InImdb;
        if (p.perMille(880))
            in |= InMedia;
        if (p.perMille(930))
            in |= InHistory;
        presence_[entry] = in;
    }

    // The companion files keep an order of their own; the history file goes by entry date.
    for (int entry = 0; entry < count; ++entry) {
        if (presence_[entry] & InImdb)
            imdbOrder_.push_back(entry);
        if (presence_[entry] & InMedia)
            mediaOrder_.push_back(entry);
    }
    Random order(options_.seed, 0, Random::Order);
    shuffle(imdbOrder_, order);
    shuffle(mediaOrder_, order);
}

bool CatalogueGenerator::hasImdbRecord(int entry) const {
    return presence_.at(entry) & InImdb;
}
bool CatalogueGenerator::hasMediaRecord(int entry) const {
    return presence_.at(entry) & InMedia;
}
bool CatalogueGenerator::hasHistoryRecord(int entry) const {
    return presence_.at(entry) & InHistory;
}

QByteArray CatalogueGenerator::encode(const QString& text) const {
    if (options_.utf8)
        return text.toUtf8();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text)
        *out++ = toWindows1252(c.unicode());
    return bytes;
}

QString CatalogueGenerator::titleRecord(int entry) const {
    Random r(options_.seed, entry, Random::TitleRecord);
    const QStringView kind = weighted(r, {{900, u"SINGLE"},
                                          {30, u"single"},
                                          {20, u"Single"},
                                          {25, u"BOXSET"},
                                          {15, u"SERIES"},
                                          {10, u""}});
    const QString genre = maybeNull(r, 80, joinGenres(r, r.between(1, 3)));
    const QStringView status = weighted(
        r, {{800, u"Present"}, {80, u"Absent"}, {50, u"Lent out"}, {20, u"present"}, {50, kNull}});
    const QStringView medium = weighted(r, {{350, u"DVD"},
                                            {200, u"DVD-R"},
                                            {120, u"VCD"},
                                            {80, u"SVCD"},
                                            {10, u"svcd"},
                                            {120, u"CD-R"},
                                            {50, u"VHS"},
                                            {40, u"HDD"},
                                            {30, kNull}});
    const QString rating = maybeNull(r, 100, QString::number(r.between(1, 5)));
    const QString aka = maybeNull(r, 800, akaTitle(r));

    QString idx = QString::number(entry + 1);
    const int idxShape = r.below(1000);
    if (idxShape < 20)
        idx += u' ';
    else if (idxShape < 30)
        idx.prepend(u' ');
    else if (idxShape < 40)
        idx = kNull.toString();

    QString userIdx;
    const int userShape = r.below(1000);
    if (userShape < 600)
        userIdx = cat({u"R-", padded(entry + 1, 5)});
    else if (userShape < 700)
        userIdx = cat({u"DVD-", padded(r.between(1, 9999), 4)});
    else if (userShape < 710)
        userIdx = cat({u"dvd-", padded(r.between(1, 9999), 4)});
    else
        userIdx = kNull.toString();

    const QString remarks = comments(r);
    // Now and then the catalogue program breaks a record right after a separator; the joining
    // "^" then takes the pad character's place and the fields read as if on one line.
    const int breakBefore = r.perMille(50) ? r.between(2, 13) : 0;

    QString out;
    RecordWriter record(out);
    const QString place = location(r);
    const std::array<QStringView, 13> fields = {
        titles_.at(entry), kind, place,   genre, status, medium, rating, u"0", kNull, aka,
        remarks,           idx,  userIdx,
    };
    for (int i = 0; i < 13; ++i)
        record.field(fields[i], i + 1 == breakBefore);
    record.end();
    return out;
}

QString CatalogueGenerator::imdbRecord(int entry) const {
    Random r(options_.seed, entry, Random::Imdb);
    const QString& title = titles_.at(entry);
    const QString number = padded(r.between(1, 999999), 7);

    QString name = title;
    const int nameShape = r.below(1000);
    if (nameShape < 100)
        name = akaTitle(r);
    else if (nameShape < 115)
        name = kNull.toString(); // kept as text: the IMDB title has no "NULL" rule

    const QString year = maybeNull(r, 30, QString::number(r.between(1920, 2008)));
    const QString director = maybeNull(r, 20, personName(r));
    const QString tagline = maybeNull(r, 450, r.pick(kTaglines).toString());
    QString summary = sentence(r);
    // Plot summaries run to several sentences: about 1.5 KB of catalogue per title in all.
    for (int more = r.between(8, 12); more > 0; --more)
        summary += u' ' + sentence(r);
    // A line break inside the summary: the reader keeps the joining "^" in the text.
    summary += r.perMille(40) ? QStringView(u"\r\n") : QStringView(u" ");
    summary += r.pick(kAfterwords);
    if (r.perMille(20))
        summary = kNull.toString();

    QString genres = joinGenres(r, r.between(1, 4));
    if (r.perMille(50))
        genres = genres.toLower();
    if (r.perMille(30))
        genres = kNull.toString();

    QString actors;
    const int cast = r.between(3, 6);
    for (int i = 0; i < cast; ++i) {
        if (i > 0)
            actors += u", ";
        actors += personName(r);
    }
    if (r.perMille(20))
        actors = kNull.toString();

    const QStringView mpaa = r.pick(kMpaa);
    const QStringView language = r.pick(kLanguages);
    const QString runtime = maybeNull(r, 30, cat({QString::number(r.between(70, 200)), u" min"}));

    // Mostly middling scores, a few very good or very bad ones, in tenths.
    QString rating;
    const int ratingShape = r.below(1000);
    if (ratingShape < 30) {
        rating = QStringLiteral("Null");
    } else if (ratingShape < 50) {
        rating = kNull.toString();
    } else {
        const int tenths = (r.between(10, 95) + r.between(40, 90)) / 2;
        rating = cat({QString::number(tenths / 10), u".", QString::number(tenths % 10)});
    }
    const QString link = maybeNull(r, 30, cat({u"http://www.imdb.com/title/tt", number, u"/"}));

    int breakOne = 0;
    int breakTwo = 0;
    if (r.perMille(80)) {
        breakOne = r.between(3, 15);
        if (r.perMille(300))
            breakTwo = r.between(3, 15);
    }

    QString out;
    RecordWriter record(out);
    const std::array<QStringView, 16> fields = {
        title,  number, name, kNull,    year,    director, tagline, summary,
        genres, actors, mpaa, language, runtime, rating,   link,    kNull,
    };
    for (int i = 0; i < 16; ++i)
        record.field(fields[i], i + 1 == breakOne || i + 1 == breakTwo);
    record.end();
    return out;
}

QString CatalogueGenerator::mediaRecord(int entry) const {
    Random r(options_.seed, entry, Random::Media);
    const MediaProfile& profile = kProfiles[r.below(static_cast<int>(std::size(kProfiles)))];
    const auto [width, height] = profile.sizes[r.below(static_cast<int>(profile.sizes.size()))];
    const int minutes = r.between(70, 200);
    const QString length = cat({padded(minutes / 60, 2), u":", padded(minutes % 60, 2), u":",
                                padded(r.between(0, 59), 2)});
    const int files = r.perMille(20) ? 12 : r.between(1, 3);
    const int videoKbps = profile.videoKbps * r.between(80, 120) / 100;

    QString widthText = QString::number(width);
    if (r.perMille(5))
        widthText += QStringLiteral(" px"); // not a number: no aspect name
    const QString values[12] = {
        profile.format.toString(),
        QString::number(files),
        length,
        widthText,
        QString::number(height),
        r.pick(kFrameRates).toString(),
        cat({QString::number(videoKbps), u" Kbps"}),
        profile.videoCodecs[r.below(2)].toString(),
        cat({QString::number(profile.audioKbps), u" Kbps"}),
        profile.audioCodec.toString(),
        profile.channels.toString(),
        profile.samplerate.toString(),
    };

    QString out;
    RecordWriter record(out);
    record.field(titles_.at(entry));
    for (const QString& value : values)
        record.field(r.perMille(15) ? kNull : QStringView(value));
    record.end();
    return out;
}

QString CatalogueGenerator::historyRecord(int entry, QString* entered) const {
    Random r(options_.seed, entry, Random::History);
    // Entered between 2000-01-01 and 2008-12-31, in the ISO form; a few with the time of day.
    QString date = QDate(2000, 1, 1).addDays(r.between(0, 3287)).toString(Qt::ISODate);
    if (r.perMille(30))
        date += cat({u" ", padded(r.between(0, 23), 2), u":", padded(r.between(0, 59), 2), u":",
                     padded(r.between(0, 59), 2)});
    if (r.perMille(20))
        date = kNull.toString();
    if (entered)
        *entered = date;

    QString out;
    RecordWriter record(out);
    record.field(titles_.at(entry)).field(date).field(u"Added").field(u"0").end();
    return out;
}

QByteArray CatalogueGenerator::titleFile() const {
    QString text;
    text.reserve(titles_.size() * 220);
    for (int entry = 0; entry < titles_.size(); ++entry)
        text += titleRecord(entry);
    return encode(text);
}

QByteArray CatalogueGenerator::imdbFile() const {
    QString text;
    text.reserve(imdbOrder_.size() * 600);
    for (const int entry : imdbOrder_)
        text += imdbRecord(entry);
    return encode(text);
}

QByteArray CatalogueGenerator::mediaFile() const {
    QString text;
    text.reserve(mediaOrder_.size() * 160);
    for (const int entry : mediaOrder_)
        text += mediaRecord(entry);
    return encode(text);
}

QByteArray CatalogueGenerator::historyFile() const {
    struct Line {
        QString entered;
        QString record;
    };
    std::vector<Line> lines;
    lines.reserve(titles_.size());
    for (int entry = 0; entry < titles_.size(); ++entry) {
        if (!(presence_[entry] & InHistory))
            continue;
        Line line;
        line.record = historyRecord(entry, &line.entered);
        lines.push_back(std::move(line));
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line& a, const Line& b) { return a.entered < b.entered; });

    QString text;
    text.reserve(static_cast<qsizetype>(lines.size()) * 60);
    for (const Line& line : lines)
        text += line.record;
    return encode(text);
}

bool CatalogueGenerator::writeTo(const QString& folder, QString* error) const {
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("cannot create folder ") + folder;
        return false;
    }
    const QDir dir(folder);
    const std::pair<QString, QByteArray (CatalogueGenerator::*)() const> files[] = {
        {QStringLiteral("reelkeep.dat"), &CatalogueGenerator::titleFile},
        {QStringLiteral("imdb.dat"), &CatalogueGenerator::imdbFile},
        {QStringLiteral("media.dat"), &CatalogueGenerator::mediaFile},
        {QStringLiteral("History.dat"), &CatalogueGenerator::historyFile},
    };
    for (const auto& [name, contents] : files) {
        QSaveFile file(dir.filePath(name));
        const bool written = file.open(QIODevice::WriteOnly) &&
                             file.write((this->*contents)()) >= 0 && file.commit();
        if (!written) {
            if (error)
                *error = file.fileName() + QStringLiteral(": ") + file.errorString();
            return false;
        }
    }
    return true;
}

bool CatalogueGenerator::write(const Options& options, const QString& folder, QString* error) {
    return CatalogueGenerator(options).writeTo(folder, error);
}
