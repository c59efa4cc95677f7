#pragma once

#include <QString>

// The keys of the remembered settings, all in section "Optionen" of
// application "Velmorant". The first three are the program's from the
// start; stores written by older versions rely on their exact names.
namespace SettingsKeys {

inline const QString kRuleKey = QStringLiteral("txt_rename.Text");
inline const QString kReplacementKey = QStringLiteral("txt_renameNEU.Text");
inline const QString kFolderKey = QStringLiteral("txt_path.Text");
inline const QString kWayBackKey = QStringLiteral("chk_rueckweg.Value");
inline const QString kCheckFolderKey = QStringLiteral("Pruefordner");
// Whether the run takes the users of the old names along.
inline const QString kUsersKey = QStringLiteral("chk_Verwender.Value");
// The template set in use: no file is the built-in set.
inline const QString kTemplateFileKey = QStringLiteral("Vorlage.Datei");
inline const QString kTemplateRenameKey = QStringLiteral("Vorlage.Umbenennen");
inline const QString kTemplateSaveKey = QStringLiteral("Vorlage.Speichern");
inline const QString kTemplateOpenKey = QStringLiteral("Vorlage.Oeffnen");
inline const QString kTemplateOldSampleKey = QStringLiteral("Vorlage.BeispielAlt");
inline const QString kTemplateNewSampleKey = QStringLiteral("Vorlage.BeispielNeu");
// The last choice taken in "Ordner einlesen"; the types as extensions
// separated by commas, "prt,asm,drw".
inline const QString kReadFolderKey = QStringLiteral("OrdnerEinlesen.Ordner");
inline const QString kReadFilterKey = QStringLiteral("OrdnerEinlesen.Filter");
inline const QString kReadTypesKey = QStringLiteral("OrdnerEinlesen.Typen");
// The steps of the dialog "Regeln", as the lines of a rule file.
inline const QString kRulesKey = QStringLiteral("Regeln.Schritte");

} // namespace SettingsKeys
