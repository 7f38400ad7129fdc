// Saving must never report success for a file it did not write whole, and must leave the old
// file as it was.

#include "documentjson.h"
#include "filesizelimit.h"
#include "sectioncsv.h"
#include "testfiles.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace varn {
namespace {

using test::FileSizeLimit;
using test::TempFolder;
using test::text;

// A document of a few hundred kilobytes, or of a few rows that the file buffers whole.
Document largeDocument(int instances = 5000, int lodCulls = 500) {
    Document d;
    for (int i = 0; i < instances; ++i)
        d.table(0).appendDefaultRow();
    for (int i = 0; i < lodCulls; ++i)
        d.table(9).appendDefaultRow();
    return d;
}

void expectFailedSave(const QString& path, const QString& expectedStart,
                      Document d = largeDocument()) {
    HashDictionary dictionary;
    QString error;
    EXPECT_FALSE(savePlacementFile(path, {.writeHashTable = true}, d, dictionary, error));
    EXPECT_TRUE(error.startsWith(expectedStart)) << text(error);
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << text(error);
    EXPECT_EQ(d.headerCounts[0], 0) << "a failed save leaves the document as it was";
}

TEST(SaveFaults, FolderThatCannotBeWritten) {
    // /proc refuses new files even to the superuser.
    expectFailedSave(QStringLiteral("/proc/varn-placement-test.wpl"),
                     QStringLiteral("Cannot create file"));
#if defined(Q_OS_UNIX)
    // Permissions stop everybody but the superuser; a Windows folder's attribute stops nobody.
    if (geteuid() != 0) {
        TempFolder folder;
        const QString path = folder.write("old.wpl", "old");
        QFile::setPermissions(folder.path(""), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        expectFailedSave(path, QStringLiteral("Cannot create file"));
        QFile::setPermissions(folder.path(""), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
        EXPECT_EQ(folder.read("old.wpl"), QByteArray("old"));
    }
#endif
}

TEST(SaveFaults, TargetIsAFolder) {
    TempFolder folder;
    QDir(folder.path("")).mkdir(QStringLiteral("target.wpl"));
    expectFailedSave(folder.path("target.wpl"), QStringLiteral("Cannot create file"));
    EXPECT_TRUE(QFileInfo(folder.path("target.wpl")).isDir());
}

TEST(SaveFaults, MissingFolder) {
    TempFolder folder;
    expectFailedSave(folder.path("gone/x.wpl"), QStringLiteral("Cannot create file"));
}

TEST(SaveFaults, ShortWriteLeavesTheOldFileWhole) {
    if (!FileSizeLimit::kAvailable) GTEST_SKIP() << "no file-size limit of a process here";
    TempFolder folder;
    const QString path = folder.write("old.wpl", "old contents");
    for (std::uint64_t limit : {std::uint64_t{50}, std::uint64_t{100000}}) {  // in the header, in the records
        FileSizeLimit guard(limit);
        expectFailedSave(path, QStringLiteral("Cannot write file"));
    }
    {
        FileSizeLimit guard(50);  // a file small enough to be written only at the commit
        expectFailedSave(path, QStringLiteral("Cannot write file"), largeDocument(3, 0));
    }
    EXPECT_EQ(folder.read("old.wpl"), QByteArray("old contents"));
    EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList{"old.wpl"});
}

// Exports are written as Save writes: a short write reports the file and keeps the old one,
// even when all of it would fit the file's buffer until the commit.
TEST(SaveFaults, ShortExportLeavesTheOldFileWhole) {
    if (!FileSizeLimit::kAvailable) GTEST_SKIP() << "no file-size limit of a process here";
    TempFolder folder;
    const Document d = largeDocument(3, 1);
    const std::function<bool(const QString&, QString&)> exports[] = {
        [&](const QString& path, QString& error) {
            return saveDocumentJson(path, d, std::nullopt, error);
        },
        [&](const QString& path, QString& error) { return saveSectionCsv(path, d.table(0), error); },
    };
    for (const auto& write : exports) {
        const QString path = folder.write("old.txt", "old contents");
        QString error;
        {
            FileSizeLimit guard(50);
            EXPECT_FALSE(write(path, error));
        }
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write file"))) << text(error);
        EXPECT_EQ(folder.read("old.txt"), QByteArray("old contents"));
        EXPECT_EQ(QDir(folder.path("")).entryList(QDir::Files), QStringList{"old.txt"});
        ASSERT_TRUE(write(path, error)) << text(error);
        EXPECT_GT(QFileInfo(path).size(), 50);
    }
}

TEST(SaveFaults, SuccessReplacesTheFileAndKeepsItsPermissions) {
    TempFolder folder;
    const QString path = folder.write("old.wpl", "old contents");
    QFile::setPermissions(
        path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    Document d = largeDocument();
    HashDictionary dictionary;
    QString error;
    ASSERT_TRUE(savePlacementFile(path, {}, d, dictionary, error)) << text(error);
    EXPECT_EQ(QFileInfo(path).size(), 68 + 5000 * 48 + 500 * 388);
#if defined(Q_OS_UNIX)
    // Windows files have no group and other permissions to keep.
    const QFileDevice::Permissions kept = QFile::permissions(path);
    EXPECT_TRUE(kept.testFlag(QFileDevice::ReadGroup));
    EXPECT_FALSE(kept.testFlag(QFileDevice::ReadOther));
#endif
    EXPECT_EQ(d.headerCounts[0], 5000);
}

}  // namespace
}  // namespace varn
