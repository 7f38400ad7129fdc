// varn-placement-generate: writes placement files of made-up content, byte by byte and without
// the editor's own writer, for the bundled sample, the benchmarks and the tests.
//
//   varn-placement-generate [--instances N] [--lodculls N] [--others N] [--names FILE]
//                           [--hash-table] [--edge-values] [--seed S] OUT
//
// --edge-values puts in what exact interchange must carry: NaNs with payloads, -0.0, infinities,
// the smallest denormal, and names and texts that fill their fields, with Windows-1252 letters.
//
// OUT ending in ".xpl" gets the big-endian form.

#include "namehash.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// splitmix64: small, fast and the same on every machine.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    // A coordinate with at most two decimals, as map editors tend to leave them.
    float coordinate(int range) {
        return static_cast<float>(below(200 * range) - 100 * range) / 100;
    }
    float unit() { return static_cast<float>(below(2000001) - 1000000) / 1000000; }

private:
    std::uint64_t state_;
};

class RecordWriter {
public:
    explicit RecordWriter(bool bigEndian) : bigEndian_(bigEndian) {}
    void u32(std::uint32_t v) {
        if (bigEndian_) v = (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
        char b[4];
        std::memcpy(b, &v, 4);  // the generator runs on little-endian machines
        bytes.append(b, 4);
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void text(const std::string& s, std::size_t width) {
        std::string field = s.substr(0, width);
        field.resize(width, '\0');
        bytes += field;
    }
    std::string bytes;

private:
    bool bigEndian_;
};

struct Options {
    long long instances = 40;
    long long lodculls = 6;
    long long others = 5;
    bool hashTable = false;
    bool edgeValues = false;
    std::uint64_t seed = 1;
    QStringList names;
    QString out;
};

std::uint32_t hashOf(const QString& name) {
    return varn::nameHash(name);
}

const QString kTableOnlyName = QStringLiteral("sample_only_statue");

QString pick(Random& random, const QStringList& names) {
    return names.isEmpty() ? QStringLiteral("model_%1").arg(random.below(1000))
                           : names[random.below(static_cast<int>(names.size()))];
}

// Every third record of a kind gets an edge value in place of its ordinary one.
float edge(const Options& o, long long i, float ordinary) {
    static const std::uint32_t kEdges[] = {0x80000000u, 0x7FC00001u, 0x7F800001u, 0xFF800000u,
                                           0x00000001u, 0xFFC00000u, 0x7F800000u, 0x7FC00000u};
    if (!o.edgeValues || i % 3 != 1) return ordinary;
    return std::bit_cast<float>(kEdges[(i / 3) % 8]);
}

// A text of exactly width bytes with Windows-1252 letters outside ASCII (0xE9, 0x80, 0xFF).
std::string fullWidthText(long long i, std::size_t width) {
    std::string text = "full_\xE9\x80\xFF_" + std::to_string(i) + "_";
    while (text.size() < width)
        text += static_cast<char>('a' + text.size() % 26);
    return text.substr(0, width);
}

void instance(RecordWriter& w, Random& r, const Options& o, long long i) {
    w.f32(edge(o, i, r.coordinate(3000)));
    w.f32(r.coordinate(3000));
    w.f32(r.coordinate(200));
    for (int k = 0; k < 4; ++k)
        w.f32(k == 3 ? 1.0f - static_cast<float>(r.below(100)) / 1000 : r.unit() / 10);
    // Mostly known names; every seventh row a hash no dictionary knows, and with a table every
    // tenth row the model that only the file's table names.
    if (o.hashTable && i % 10 == 4)
        w.u32(hashOf(kTableOnlyName));
    else
        w.u32(i % 7 == 6 ? static_cast<std::uint32_t>(r.next()) : hashOf(pick(r, o.names)));
    w.u32(i % 3 == 0 ? 384 : static_cast<std::uint32_t>(r.below(4096)));
    w.i32(i % 5 == 0 ? -1 : r.below(4));
    w.i32(i % 11 == 0 ? -1 : 0);
    w.f32(edge(o, i + 1, i % 4 == 0 ? -1.0f : static_cast<float>(r.below(1000)) / 8));
}

void lodcull(RecordWriter& w, Random& r, const Options& o, long long i) {
    for (int k = 0; k < 6; ++k)
        w.f32(edge(o, i + k, r.coordinate(k % 3 == 2 ? 200 : 3000)));
    w.i32(i % 4 == 0 ? -1 : r.below(100));
    QStringList slotNames;
    for (int k = 0; k < 10; ++k)
        slotNames << (k < 3 + static_cast<int>(i % 8) ? pick(r, o.names) : QString());
    if (o.edgeValues) slotNames[9] = QString::fromLatin1(fullWidthText(i, 32));
    // The hash of the bytes the file holds: the edge name's byte 0x80 is the Euro sign.
    for (const QString& name : slotNames) {
        const QByteArray bytes = name.toLatin1();
        w.u32(name.isEmpty() ? 0 : varn::nameHashOfBytes(bytes.constData(), bytes.size()));
    }
    for (const QString& name : slotNames)
        w.text(name.toLatin1().toStdString(), 32);
}

// Sections 2, 3, 4, 8, 15 and 10 in file order, count records each.
void otherSections(RecordWriter& w, Random& r, const Options& o) {
    for (long long i = 0; i < o.others; ++i) {  // section 2
        for (int k = 0; k < 8; ++k)
            w.f32(r.coordinate(500));
        for (int k = 0; k < 4; ++k)
            w.i32(r.below(2000) - 1000);
    }
    for (long long i = 0; i < o.others; ++i) {  // section 3
        for (int k = 0; k < 6; ++k)
            w.f32(r.coordinate(500));
        for (int k = 0; k < 8; ++k)
            w.i32(r.below(100) - (k == 7 ? 50 : 0));
    }
    for (long long i = 0; i < o.others; ++i) {  // section 4
        for (int k = 0; k < 8; ++k)
            w.f32(r.coordinate(500));
        for (int k = 0; k < 3; ++k)
            w.u32(k == 2 && i == 0 ? 4294967295U : static_cast<std::uint32_t>(r.next()));
    }
    for (long long i = 0; i < o.others; ++i) {  // section 8
        w.text(o.edgeValues ? fullWidthText(i, 24) : pick(r, o.names).toStdString(), 24);
        for (int k = 0; k < 3; ++k)
            w.i32(k == 0 && i == 1 ? -1 : r.below(50));
        for (int k = 0; k < 3; ++k)
            w.f32(edge(o, i + k, r.coordinate(3000)));
        for (int k = 0; k < 4; ++k)
            w.f32(r.unit());
    }
    for (long long i = 0; i < o.others; ++i) {  // section 15
        w.i32(static_cast<std::int32_t>(i));
        // One text with a Windows-1252 letter outside ASCII (0xE9, e acute).
        w.text(i == 0 ? std::string("Caf\xE9 sign near the harbour")
               : o.edgeValues ? fullWidthText(i, 92)
                              : pick(r, o.names).toStdString(),
               92);
        w.i32(r.below(10));
        for (int k = 0; k < 8; ++k)
            w.f32(r.coordinate(100));
    }
}

void tenths(RecordWriter& w, Random& r, const Options& o) {
    for (long long i = 0; i < o.others; ++i)  // section 10
        for (int k = 0; k < 6; ++k)
            w.f32(r.coordinate(1000));
}

std::string generate(const Options& o, bool bigEndian) {
    RecordWriter w(bigEndian);
    Random r(o.seed);
    w.u32(3);
    const long long counts[16] = {o.instances, 0, o.others, o.others,   o.others, 0,
                                  0,           0, o.others, o.lodculls, o.others, 0,
                                  0,           0, 0,        o.others};
    for (long long c : counts)
        w.u32(static_cast<std::uint32_t>(c));
    w.bytes.reserve(
        static_cast<std::size_t>(68 + 48 * o.instances + 388 * o.lodculls + 500 * o.others));
    for (long long i = 0; i < o.instances; ++i)
        instance(w, r, o, i);
    otherSections(w, r, o);
    for (long long i = 0; i < o.lodculls; ++i)
        lodcull(w, r, o, i);
    tenths(w, r, o);
    if (o.hashTable) {
        // The table names a few models of the list, and one that only this file knows.
        QStringList tableNames = o.names.mid(0, 12);
        tableNames << kTableOnlyName;
        RecordWriter table(false);
        table.u32(static_cast<std::uint32_t>(tableNames.size()));
        for (const QString& name : tableNames) {
            table.text(name.toStdString(), 24);
            table.u32(hashOf(name));
        }
        w.bytes += table.bytes;
    }
    return w.bytes;
}

bool parse(const QStringList& args, Options& o) {
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() { return i + 1 < args.size() ? args[++i] : QString(); };
        if (a == u"--instances")
            o.instances = value().toLongLong();
        else if (a == u"--lodculls")
            o.lodculls = value().toLongLong();
        else if (a == u"--others")
            o.others = value().toLongLong();
        else if (a == u"--seed")
            o.seed = value().toULongLong();
        else if (a == u"--hash-table")
            o.hashTable = true;
        else if (a == u"--edge-values")
            o.edgeValues = true;
        else if (a == u"--names") {
            QFile file(value());
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
            for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
                if (!line.trimmed().isEmpty() && !line.startsWith(u'#')) o.names << line.trimmed();
        } else if (o.out.isEmpty() && !a.startsWith(u"--"))
            o.out = a;
        else
            return false;
    }
    return !o.out.isEmpty();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parse(QCoreApplication::arguments(), options)) {
        std::fputs(
            "usage: varn-placement-generate [--instances N] [--lodculls N] [--others N] "
            "[--names FILE] [--hash-table] [--edge-values] [--seed S] OUT\n",
            stderr);
        return 2;
    }
    const std::string bytes = generate(options, options.out.endsWith(QStringLiteral(".xpl")));
    QSaveFile file(options.out);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(options.out));
        return 1;
    }
    return 0;
}
