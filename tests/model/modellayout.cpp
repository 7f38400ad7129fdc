#include "modellayout.h"

namespace varn::testmodel {
namespace {

class Cells {
public:
    Cells& run(Kind kind, int count, int offset, const char* defaultText) {
        for (int i = 0; i < count; ++i)
            cells.push_back({kind, offset + 4 * i, 4, QString::fromLatin1(defaultText)});
        return *this;
    }
    Cells& one(Kind kind, int offset, int width, const QString& defaultText) {
        cells.push_back({kind, offset, width, defaultText});
        return *this;
    }
    std::vector<CellShape> cells;
};

std::vector<CellShape> instanceCells() {
    Cells c;
    c.run(Kind::Fixed4, 3, 0, "Z").run(Kind::Fixed7, 4, 12, "Z");
    c.one(Kind::ModelName, -1, 0, QStringLiteral("modelname"));
    c.run(Kind::UInt, 1, 32, "384").run(Kind::Int, 1, 36, "-1").run(Kind::Int, 1, 40, "0");
    c.run(Kind::FloatAsTyped, 1, 44, "-1");
    c.one(Kind::ModelHash, 28, 4, QStringLiteral("modelname"));
    return c.cells;
}

std::vector<CellShape> lodCullCells() {
    Cells c;
    c.run(Kind::Fixed4, 6, 0, "Z").run(Kind::NonNegativeInt, 1, 24, "0");
    c.one(Kind::Marker, -1, 0, QStringLiteral("[...]")).one(Kind::Marker, -1, 0, "[...]");
    for (int k = 0; k < kLodNames; ++k)
        c.one(Kind::NameHash, 28 + 4 * k, 4, QStringLiteral("modelname%1").arg(k + 1));
    for (int k = 0; k < kLodNames; ++k)
        c.one(Kind::Name32, 68 + 32 * k, 32, QStringLiteral("modelname%1").arg(k + 1));
    return c.cells;
}

std::vector<SectionShape> buildShapes() {
    std::vector<SectionShape> shapes;
    shapes.push_back({0, 48, "Section 0 (Instance)", instanceCells()});
    shapes.push_back({2, 48, "Section 2",
                      Cells().run(Kind::Fixed4, 8, 0, "Z").run(Kind::Int, 4, 32, "0").cells});
    shapes.push_back({3, 56, "Section 3 (*_stream)",
                      Cells().run(Kind::Fixed4, 6, 0, "Z").run(Kind::Int, 8, 24, "0").cells});
    shapes.push_back({4, 44, "Section 4",
                      Cells().run(Kind::Fixed4, 8, 0, "Z").run(Kind::UInt, 3, 32, "0").cells});
    shapes.push_back({8, 64, "Section 8 (*_strbig)",
                      Cells()
                          .one(Kind::Name24, 0, 24, QStringLiteral("modelname"))
                          .run(Kind::NonNegativeInt, 3, 24, "0")
                          .run(Kind::Fixed4, 3, 36, "Z")
                          .run(Kind::Fixed7, 4, 48, "Z")
                          .cells});
    shapes.push_back({15, 132, "Section 15",
                      Cells()
                          .run(Kind::Int, 1, 0, "0")
                          .one(Kind::Text92, 4, 92, QStringLiteral("modelname"))
                          .run(Kind::Int, 1, 96, "0")
                          .run(Kind::Fixed4, 8, 100, "Z")
                          .cells});
    shapes.push_back({9, 388, "Section 9 (lodcull_*)", lodCullCells()});
    shapes.push_back({10, 24, "Section 10", Cells().run(Kind::Fixed4, 6, 0, "Z").cells});
    return shapes;
}

}  // namespace

const std::vector<SectionShape>& sectionShapes() {
    static const std::vector<SectionShape> shapes = buildShapes();
    return shapes;
}

const SectionShape* findSectionShape(int number) {
    for (const SectionShape& shape : sectionShapes())
        if (shape.number == number) return &shape;
    return nullptr;
}

const SectionShape& sectionShape(int number) {
    const SectionShape* shape = findSectionShape(number);
    return shape ? *shape : sectionShapes().front();
}

bool isFloatKind(Kind kind) {
    return kind == Kind::Fixed4 || kind == Kind::Fixed7 || kind == Kind::FloatAsTyped;
}

bool isStringKind(Kind kind) {
    return kind == Kind::Name24 || kind == Kind::Name32 || kind == Kind::Text92;
}

bool isNumericKind(Kind kind) {
    return isFloatKind(kind) || kind == Kind::Int || kind == Kind::NonNegativeInt ||
           kind == Kind::UInt || kind == Kind::ModelHash || kind == Kind::NameHash;
}

}  // namespace varn::testmodel
