// The generation command in the window: from the click on "Mapkey rename
// in Datei rename.pro jetzt erstellen" until the handler returns with the
// output shown, and "OK" until rename.pro is written. Median of several runs.
#include "BenchSupport.h"
#include "ui/NameListView.h"
#include "ui/Platform.h"
#include "ui/frm_rename.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

class BenchPlatform : public Platform
{
public:
    explicit BenchPlatform(const QString &folder)
        : m_folder(folder)
    {
    }
    std::unique_ptr<QSettings> openSettings() const override
    {
        auto settings = std::make_unique<QSettings>(m_folder + u"/settings.ini"_s, QSettings::IniFormat);
        settings->beginGroup(u"Optionen"_s);
        return settings;
    }
    QString programFolder() const override { return m_folder; }
    QString designFolderText() const override { return m_folder; }
    QString startFolder() const override { return m_folder; }
    bool openWithDesktop(const QUrl &) const override { return true; }

private:
    QString m_folder;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    BenchPlatform platform(dir.path());
    frm_rename window(platform);
    window.show();
    auto *oldList = window.findChild<NameListView *>(u"list_OldName"_s);
    auto *newList = window.findChild<NameListView *>(u"list_NewName"_s);
    auto *generate = window.findChild<QPushButton *>(u"cmd_mapkeyNow"_s);
    auto *ok = window.findChild<QPushButton *>(u"cmd_okfiles"_s);
    auto *out = window.findChild<QPlainTextEdit *>(u"txt_OUT"_s);

    for (const int pairs : {1000, 32767}) {
        const BenchLists lists = benchLists(pairs);
        const QStringList &oldNames = lists.oldNames;
        const QStringList &newNames = lists.newNames;
        const int runs = pairs > 10000 ? 3 : 11;
        const auto fill = [&] {
            oldList->setEntries(oldNames);
            newList->setEntries(newNames);
        };
        const double clickMs = medianMs(runs, [&] { QTest::mouseClick(generate, Qt::LeftButton); }, fill);
        const double okMs = medianMs(runs, [&] { QTest::mouseClick(ok, Qt::LeftButton); },
                                     [&] { QTest::mouseClick(generate, Qt::LeftButton); });
        std::printf("window: %5d pairs | generation click to return, output shown %8.1f ms | "
                    "OK to rename.pro written %8.1f ms | %lld lines shown\n",
                    pairs, clickMs, okMs, static_cast<long long>(out->blockCount()));
    }
    return 0;
}
