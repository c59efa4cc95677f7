#pragma once

#include <QByteArray>

// Reference texts written out by hand from the mapkey format, every line
// ending in CR LF. The generator must reproduce them byte for byte.
namespace Expected {

inline const QByteArray kRenamePairA(
    "mapkey umb0 ~ ;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\\r\n"
    "mapkey(continued) ~ Update `file_open` `Inputname` `a.prt`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Inputname`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Utilities`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `File.psh_rename`;\\\r\n"
    "mapkey(continued) ~ Update `rename` `InputPanel2` `b.prt`;\\\r\n"
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
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ ;\r\n");

inline const QByteArray kMasterTwoPairs(
    "mapkey rename ~ ;\\\r\n"
    "mapkey(continued) ~ ;%CallALLNow;\\\r\n"
    "mapkey(continued) ~ ;%umb0;\\\r\n"
    "mapkey(continued) ~ ;%umb1;\\\r\n"
    "mapkey(continued) ~ ;%SaveASMNow;\\\r\n"
    "mapkey(continued) ~ ;%SaveAllNow;\\\r\n"
    "mapkey(continued) ~ ;\r\n");

inline const QByteArray kCallAllTwoPairs(
    "mapkey CallALLNow ~ ;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\\r\n"
    "mapkey(continued) ~ Update `file_open` `Inputname` `alt1.prt`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\\r\n"
    "mapkey(continued) ~ Update `file_open` `Inputname` `alt2.asm`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n"
    "mapkey(continued) ~ ;\r\n");

inline const QByteArray kSaveAsmNeu2(
    "mapkey saveASMNow ~ ;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_open`;\\\r\n"
    "mapkey(continued) ~ Update `file_open` `Inputname` `neu2.asm`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Inputname`;\\\r\n"
    "mapkey(continued) ~ Select `main_dlg_cur` `MenuBar1`1  `File`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;~ Activate `main_dlg_cur` `File.psh_save`;\\\r\n"
    "mapkey(continued) ~ Activate `file_saveas` `OK`;\\\r\n"
    "mapkey(continued) ~ Activate `file_open` `Open`;~ Select `main_dlg_cur` `MenuBar1`1  `Windows`;\\\r\n"
    "mapkey(continued) ~ Close `main_dlg_cur` `MenuBar1`;\\\r\n"
    "mapkey(continued) ~ Activate `main_dlg_cur` `Windows.psh_win_close`;\\\r\n"
    "mapkey(continued) ~ ;\r\n");

} // namespace Expected
