#pragma once

#include <QLatin1String>

// The fixed texts every mapkey block is assembled from. Each ends in CR LF;
// the two blanks between "1" and the next backquote in the menu selections
// belong to the text. Pro/ENGINEER replays these lines literally, so they
// must not change by a single byte.
namespace Templates {

inline constexpr QLatin1String txt_open(
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\\r\n"
    "mapkey(continued) ~ Update `file_open` `Inputname` `\r\n");

inline constexpr QLatin1String txt_Kern(
    "`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Inputname`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Utilities`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `File.psh_rename`;\\\r\n"
    "mapkey(continued) ~ Update `rename` `InputPanel2` `NeuName123`;\\\r\n"
    "mapkey(continued) ~ Activate `rename` `InputPanel2`;~ FocusIn `UI Message Dialog` `ok`;\\\r\n"
    "mapkey(continued) ~ Activate `UI Message Dialog` `ok`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `Cproe_pview_menu`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `Cproe_pview_menu`;~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `File.psh_save`;~ Activate `file_saveas` `OK`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n");

inline constexpr QLatin1String txt_end("mapkey(continued) ~ ;\r\n");

inline constexpr QLatin1String txt_saveALL(
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\\r\n"
    "mapkey(continued) ~ Update `file_open` `Inputname` `PlatzhalterName`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Inputname`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_save`;\\\r\n"
    "mapkey(continued) ~ Activate `file_saveas` `OK`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n");

inline constexpr QLatin1String txt_CallAll(
    "mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n");

// Placeholder words replaced (first occurrence only) by an object name.
inline constexpr QLatin1String kNewNamePlaceholder("NeuName123");
inline constexpr QLatin1String kSaveNamePlaceholder("PlatzhalterName");

} // namespace Templates
