// Writes the fuzzers' first inputs from the tests' own writer of object
// files: SEEDS/file/* for the whole-file target, SEEDS/sections/* for the
// section readers (first byte the reader).
#include "UsageFixtures.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace UsageFixtures;

namespace {

bool save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds SEEDS\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(root + QStringLiteral("/file")) || !QDir().mkpath(root + QStringLiteral("/sections")))
        return 1;
    const QList<Dep> deps{{"WELLE", "prt"},
                          {"BOLT_5", "prt", "BOLT"},
                          {"DECKEL", "asm", {}, 32768},
                          {"A3", "frm", {}, 16}};
    const QByteArray tokenData = tokens(deps, true), xmlData = xml(deps), depDbData = depDb(deps),
                     models = drawingModels({"WELLE.PRT", "LAGER.ASM"}), ascii = pObject(deps);
    QList<ObjectFile> files(6);
    files[0].revision = 1116, files[0].legacyToc = true, files[0].pObject = ascii;
    files[0].sections = {{"BasicData", "data"}};
    files[1].type = "DRAWING", files[1].revision = 1362;
    files[1].sections = {{"ND:0:Model_J03", xmlData, true, 1}, {"Dwg_Models", models, false, 1}};
    files[2].revision = 1458;
    files[2].sections = {{"DEPDB_DATA", depDbData}, {"ND:0:Model_L03_D", xmlData, true}};
    files[3].revision = 1541, files[3].sections = {{"ND:0:Model_L05P:1", tokenData, true}};
    files[4].rowsPerTable = 1;
    files[4].sections = {{"ND:0:Model_L05_PX:1", tokenData, true}, {"ModelView#0", "view"}};
    files[5].sections = {{"ND:0:Model_L05_PX:1", tokenData}};
    bool ok = true;
    for (qsizetype i = 0; i < files.size(); ++i)
        ok = ok && save(root + QStringLiteral("/file/%1").arg(i), write(files.at(i)));
    const QList<QByteArray> sections{compress(tokenData), tokenData, xmlData, depDbData, models, ascii};
    for (qsizetype i = 0; i < sections.size(); ++i)
        ok = ok && save(root + QStringLiteral("/sections/%1").arg(i), char(i) + sections.at(i));
    return ok ? 0 : 1;
}
