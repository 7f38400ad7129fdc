#pragma once

// A whole placement document as JSON, exactly: reading it back gives the same records, the
// same header version and the same appended name table, so building a file from it reproduces
// the original byte for byte.
//
//   {"version": 3,
//    "counts": [16 integers],
//    "hashTable": [{"name": "tree_oak_01", "hash": 123}, ...],     only when the file has one
//    "sections": {"0": [{"Pos X": 1.5, ...}, ...], "2": [...], ..., "15": [...]}}
//
// Each row is an object of the section's exchange fields (exchangefields.h): floats as the
// shortest number that reads back to the same float, or the strings "inf", "-inf", "nan",
// "nan:0x7fc00001"; integers as integers; texts as UTF-8 strings.

#include "document.h"
#include "hashdictionary.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

#include <optional>

namespace varn {

// Writes the document (edited cells as saving converts them) and the table to out. False, with
// the message, when a cell does not convert or a write fails.
[[nodiscard]] bool writeDocumentJson(const Document& document, const AppendedTable& table,
                                     QIODevice& out, QString& error);
// The same into a file, written atomically.
[[nodiscard]] bool saveDocumentJson(const QString& path, const Document& document,
                                    const AppendedTable& table, QString& error);

struct JsonReadOptions {
    // The file's own table names section 0's models before the dictionary does, as the
    // hash-table option does when a placement file is loaded.
    bool readHashTable = false;
};

// Reads a JSON document into a new document with the separator of the given one and the names
// of the dictionary (plus the file's table when asked). On success the document and table are
// replaced and, with readHashTable and a table in the file, the dictionary's file entries too;
// on failure nothing changes and error names the file, the line, the column and the JSON path.
[[nodiscard]] bool readDocumentJsonFile(const QString& path, const JsonReadOptions& options,
                                        HashDictionary& dictionary, Document& document,
                                        AppendedTable& table, QString& error);
// The same from bytes in memory; sourceName stands for the file in messages.
[[nodiscard]] bool readDocumentJson(QByteArrayView bytes, const QString& sourceName,
                                    const JsonReadOptions& options, HashDictionary& dictionary,
                                    Document& document, AppendedTable& table, QString& error);

}  // namespace varn
