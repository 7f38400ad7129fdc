// varn-fuzz-seeds: writes the seed corpus of the fuzz targets.
//
//   varn-fuzz-seeds OUT [--placement FILE]... [--settings FILE]...
//
// OUT/<target>/ receives small inputs of each target: the edge cases of each format made here,
// plus one placement input per option byte for each generated file and one settings input per
// key choice for each settings file given.

#include "namehash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

int written = 0;

void put(const QString& folder, const QString& name, const QByteArray& bytes) {
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    ++written;
}

QByteArray le(std::uint32_t v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>(v >> (8 * i));
    return b;
}

QByteArray be(std::uint32_t v) {
    QByteArray b = le(v);
    std::reverse(b.begin(), b.end());
    return b;
}

QByteArray text(const QByteArray& s, int width) {
    QByteArray field = s.left(width);
    field.resize(width, '\0');
    return field;
}

QByteArray entry(const QByteArray& name, std::uint32_t hash) {
    return text(name, 24) + le(hash);
}

QByteArray fbits(float f) {
    return le(std::bit_cast<std::uint32_t>(f));
}

// A little-endian file: version 3, the given counts, then the records as given.
QByteArray placement(std::initializer_list<std::pair<int, int>> counts, const QByteArray& body) {
    QByteArray file = le(3);
    std::int32_t all[16] = {};
    for (auto [section, count] : counts)
        all[section] = count;
    for (std::int32_t c : all)
        file += le(static_cast<std::uint32_t>(c));
    return file + body;
}

QByteArray instance(std::uint32_t hash, float rotation, float unknown) {
    QByteArray r = fbits(1.5f) + fbits(-2.25f) + fbits(1e10f);
    for (int k = 0; k < 4; ++k)
        r += fbits(k == 3 ? rotation : 0.0f);
    return r + le(hash) + le(384) + le(static_cast<std::uint32_t>(-1)) + le(0) + fbits(unknown);
}

void placementSeeds(const QString& out) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::uint32_t oak = varn::nameHash(u"tree_oak_01");
    const QByteArray twoRows = instance(oak, 1.0f, -1.0f) + instance(777, nan, 0.00006103515625f);
    const QByteArray table = le(3) + entry("tree_oak_01", oak) + entry("[hash:5]", 777) +
                             entry("exactly_twenty_four_char", 9);
    const QByteArray section8 = text(QByteArray("name\0junk after", 15), 24) + le(1) + le(2) +
                                le(3) + fbits(inf) + fbits(-inf) + fbits(0.1f) + fbits(-0.0f) +
                                fbits(std::numeric_limits<float>::denorm_min()) +
                                fbits(std::numeric_limits<float>::max()) + fbits(17179869184.0f);
    QByteArray lodcull;
    for (int k = 0; k < 6; ++k)
        lodcull += fbits(static_cast<float>(k) * 0.1f);
    lodcull += le(static_cast<std::uint32_t>(-5));
    for (int k = 0; k < 10; ++k)
        lodcull += le(k == 0 ? varn::nameHash(u"lodcull_a") : 0);
    lodcull += text("lodcull_a", 32) + text(QByteArray(32, 'x'), 32);
    lodcull += QByteArray(8 * 32, '\0');
    const QList<std::pair<QString, QByteArray>> seeds = {
        {"empty", placement({}, {})},
        {"header-cut", placement({}, {}).left(40)},
        {"records-cut", placement({{0, 2}}, twoRows.left(60))},
        {"negative-count", placement({{2, -1}}, {})},
        {"unknown-section", placement({{5, 1}}, QByteArray(48, '\0'))},
        {"huge-count", placement({{9, 0x7FFFFFFF}}, {})},
        {"two-instances", placement({{0, 2}}, twoRows)},
        {"with-table", placement({{0, 2}}, twoRows + table)},
        {"empty-table", placement({{0, 2}}, twoRows + le(0))},
        {"one-byte-tail", placement({{0, 2}}, twoRows + QByteArray(1, '\x01'))},
        {"table-count-off", placement({{0, 2}}, twoRows + le(4) + table.mid(4))},
        {"specials", placement({{8, 1}}, section8)},
        {"lodcull", placement({{9, 1}}, lodcull)},
        {"all-zero", placement({{0, 1}, {2, 1}, {3, 1}, {4, 1}, {8, 1}, {9, 1}, {10, 1}, {15, 1}},
                               QByteArray(48 + 48 + 56 + 44 + 64 + 388 + 24 + 132, '\0'))},
        {"all-ff", placement({{4, 1}, {15, 1}}, QByteArray(44 + 132, '\xFF'))},
    };
    for (const auto& [name, bytes] : seeds)
        for (char options : {'\x00', '\x02', '\x0E', '\x1A'})
            put(out, QStringLiteral("%1-%2").arg(name).arg(int(options)), options + bytes);
    // The same two rows big-endian: every numeric field reversed, strings as they are.
    QByteArray big = be(3);
    for (int k = 0; k < 16; ++k)
        big += be(k == 0 ? 2 : 0);
    for (int i = 0; i < twoRows.size(); i += 4) {
        QByteArray field = twoRows.mid(i, 4);
        std::reverse(field.begin(), field.end());
        big += field;
    }
    put(out, "two-instances-big", '\x0B' + big + table);
}

void generatedSeeds(const QString& out, const QStringList& files) {
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            std::exit(1);
        }
        const QByteArray bytes = file.readAll();
        const char order = path.endsWith(QStringLiteral(".xpl")) ? 1 : 0;
        for (char options : {'\x00', '\x02', '\x0E', '\x1A'})
            put(out, QStringLiteral("%1-%2").arg(QFileInfo(path).fileName()).arg(int(options)),
                char(options | order) + bytes);
    }
}

void hashesSeeds(const QString& out) {
    const std::uint32_t oak = varn::nameHash(u"tree_oak_01");
    put(out, "count-only", le(0));
    put(out, "too-short", QByteArray("\x02\x00", 2));
    put(out, "three", le(3) + entry("tree_oak_01", oak) + entry("", 0) + entry("twin", oak));
    put(out, "fewer-than-count", le(5) + entry("tree_oak_01", oak) + entry("b", 2));
    put(out, "cut-entry", le(3) + entry("a", 1) + entry("cut_here", 2).left(10));
    put(out, "huge-count", le(0xFFFFFFFF) + entry("a", 1));
    put(out, "full-name", le(1) + entry("exactly_twenty_four_char", 24));
    put(out, "trailing-bytes", le(1) + entry("a", 1) + QByteArray("extra", 5));
    put(out, "high-bytes", le(2) + entry("caf\xE9\x80\x81", 7) + entry("\x9D\xFF", 0xFFFFFFFF));
}

void settingsSeeds(const QString& out, const QStringList& files) {
    const QList<std::pair<QString, QByteArray>> texts = {
        {"basic",
         "[Settings]\nShowToolBar=1\nSep=0\nwriteht=1\n\n[Section0]\nCol0cap=\xE2\x84\x96\n"},
        {"crlf", "; comment\r\n[Settings]\r\nsep = 0x1\r\nShowActiveTabsOnly=-1\r\n"},
        {"bom", "\xEF\xBB\xBF[settings]\nSEP=1\n[Section9]\nCapa=group"},
        {"duplicates", "k=before any section\n[A]\nk=1\nk=2\n[a]\nk=3\nother=0X7fffffff\n"},
        {"odd-lines", "[]\n[x\n=novalue\n  [ Spaced ]  \n  key  =  value  \n;k=v\n[ok]junk\n"},
        {"numbers",
         "[N]\na=+5\nb=-2147483648\nc=2147483648\nd=0x\ne=0xFFFFFFFF\nf=0x100000000\n"
         "g=12abc\nh=+-1\n"},
        {"not-utf8", "[S\xFF]\nk\xC3=\x80\x81\n[Settings]\nSep=\xC3\xA9\n"},
        {"empty", ""},
        {"no-newline", "[Settings]\nSep=0"},
    };
    for (const auto& [name, bytes] : texts)
        for (const char* choice : {"\x00\x00", "\x05\x06", "\x11\x0C", "\x02\x10"})
            put(out, QStringLiteral("%1-%2").arg(name).arg(int(choice[0])),
                QByteArray(choice, 2) + bytes);
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) std::exit(1);
        const QByteArray bytes = file.readAll();
        put(out, QFileInfo(path).fileName() + QStringLiteral("-1"),
            QByteArray("\x01\x01", 2) + bytes);
        put(out, QFileInfo(path).fileName() + QStringLiteral("-9"),
            QByteArray("\x09\x07", 2) + bytes);
    }
}

void numberSeeds(const QString& out) {
    const float patterns[] = {0.0f,
                              -0.0f,
                              1.0f,
                              0.1f,
                              12.5f,
                              1e10f,
                              17179869184.0f,
                              9999998976.0f,
                              1000.12347412109375f,
                              0.00006103515625f,
                              0.00001f,
                              -0.00004f,
                              std::numeric_limits<float>::max(),
                              std::numeric_limits<float>::denorm_min(),
                              std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()};
    const char* texts[] = {"",
                           "123",
                           "-2147483648",
                           "2147483648",
                           "4294967295",
                           "+7",
                           "-0",
                           "[hash:4294967296]",
                           "[hash:007]",
                           "[hash:]",
                           "[hash:99999999999999999999]",
                           "1E0010",
                           "-.",
                           " 1.5 ",
                           "1,5",
                           "5.",
                           "9223372036854775808",
                           "-9223372036854775808",
                           "modelname_01",
                           "INF",
                           "1e-50",
                           "1e39",
                           "0x1F"};
    int i = 0;
    for (float f : patterns) {
        const QByteArray bits = le(std::bit_cast<std::uint32_t>(f));
        for (const char* t : texts)
            if (i++ % 5 == 0 || t[0] == '\0') put(out, QStringLiteral("n%1").arg(i), bits + t);
    }
    for (const char* t : texts)
        put(out, QStringLiteral("t%1").arg(i++), le(0x3F800000) + t);
}

// Pasted rows: a byte of section (file order) and separator, a byte of filter column, the rows,
// a zero byte and the filter's text.
void rowTextSeeds(const QString& out) {
    struct Seed {
        const char* name;
        char section;
        char column;
        const char* rows;
        const char* query;
    };
    const Seed seeds[] = {
        {"instances", 0, 0,
         "12.5\t0.0\t3.25\t0.0\t0.0\t0.0\t1.0\tBig_Tree\t384\t-1\t0\t-1\n"
         "-7.0\t1E0010\t0.0\t0.1\t0.0\t0.0\t1.0\t[hash:77]\t5\t0\t-1\t1.50\n",
         "12.5"},
        {"instances-full", 0, 11,
         "Pos X\tPos Y\tPos Z\tRot X\tRot Y\tRot Z\tRot W\tModel name hash\tUnkn1\tLOD\t"
         "Unkn2\tUnkn3\thash\r\n1\t2\t3\t0\t0\t0\t1\tcut_name\t384\t-1\t0\t-1\t4242\r\n",
         "-1"},
        {"lodculls", 6, 0,
         "1\t2\t3\t4\t5\t6\t7\t[...]\t[...]\t12345\t0\t0\t0\t0\t0\t0\t0\t0\t0\t"
         "Tree_a\tTree_b\t\t\t\t\t\t\t\t\n0\t0\t0\t0\t0\t0\t0\t[...]\t[...]\n",
         "[...]"},
        {"strings-comma", static_cast<char>(0x80 | 5), 3,
         "7\t\"tab\there \"\"quoted\"\"\"\t1\t0,5\t1,25\t0,0\t0,0\t0,0\t0,0\t0,0\t0,0\n"
         "8\tCAFE\t2\t0,0\t0,0\t0,0\t0,0\t0,0\t0,0\t0,0\t0,0\n",
         "caf"},
        {"not-rows", 1, 5, "hello", "= 3"},
    };
    for (const Seed& seed : seeds)
        put(out, QLatin1String(seed.name),
            QByteArray(1, seed.section) + QByteArray(1, seed.column) + seed.rows +
                QByteArray(1, '\0') + seed.query);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: varn-fuzz-seeds OUT [--placement FILE]... [--settings FILE]...\n",
                   stderr);
        return 2;
    }
    QStringList placements;
    QStringList settings;
    for (qsizetype i = 2; i + 1 < args.size(); i += 2)
        (args[i] == u"--settings" ? settings : placements).append(args[i + 1]);
    const QString out = args[1];
    placementSeeds(out + QStringLiteral("/placement"));
    generatedSeeds(out + QStringLiteral("/placement"), placements);
    hashesSeeds(out + QStringLiteral("/hashes"));
    settingsSeeds(out + QStringLiteral("/settings"), settings);
    numberSeeds(out + QStringLiteral("/numbertext"));
    rowTextSeeds(out + QStringLiteral("/rowtext"));
    std::printf("%d seed inputs written to %s\n", written, qPrintable(out));
    return 0;
}
