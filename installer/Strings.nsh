; The installer's own texts, English and Simplified Chinese side by side.

LangString SecProgramName ${LANG_ENGLISH} "Nook programs"
LangString SecProgramName ${LANG_SIMPCHINESE} "Nook 程序"
LangString SecProgramDesc ${LANG_ENGLISH} "NookBackup with its page templates, and the NookSS screen saver with its four content plug-ins."
LangString SecProgramDesc ${LANG_SIMPCHINESE} "NookBackup 及其页面模板，NookSS 屏幕保护程序及其四个内容插件。"

LangString SecShortcutsName ${LANG_ENGLISH} "Start-menu shortcuts"
LangString SecShortcutsName ${LANG_SIMPCHINESE} "开始菜单快捷方式"
LangString SecShortcutsDesc ${LANG_ENGLISH} "Shortcuts to NookBackup and to the screen saver in the Start menu."
LangString SecShortcutsDesc ${LANG_SIMPCHINESE} "在开始菜单中创建 NookBackup 和屏幕保护程序的快捷方式。"

LangString SecSaverName ${LANG_ENGLISH} "Use NookSS as my screen saver"
LangString SecSaverName ${LANG_SIMPCHINESE} "将 NookSS 设为我的屏幕保护程序"
LangString SecSaverDesc ${LANG_ENGLISH} "Makes NookSS the screen saver of the current user."
LangString SecSaverDesc ${LANG_SIMPCHINESE} "将 NookSS 设为当前用户的屏幕保护程序。"

LangString ShortcutBackupDesc ${LANG_ENGLISH} "Back up your family diary and browse it offline"
LangString ShortcutBackupDesc ${LANG_SIMPCHINESE} "备份家庭日记并离线浏览"
LangString ShortcutSaverDesc ${LANG_ENGLISH} "Play the Nook screen saver"
LangString ShortcutSaverDesc ${LANG_SIMPCHINESE} "播放 Nook 屏幕保护程序"

LangString BackupRunning ${LANG_ENGLISH} "NookBackup is running. Close it, then choose Retry."
LangString BackupRunning ${LANG_SIMPCHINESE} "NookBackup 正在运行。请先关闭它，然后点击“重试”。"

LangString DirectoryKeepsArchive ${LANG_ENGLISH} "NookBackup keeps your settings and your backed-up diaries and photos in this folder, beside the program. Choose a folder you can write to."
LangString DirectoryKeepsArchive ${LANG_SIMPCHINESE} "NookBackup 会把您的设置以及备份的日记和照片保存在此文件夹中（与程序放在一起）。请选择您有写入权限的文件夹。"

LangString UninstallKeepsArchive ${LANG_ENGLISH} "The Nook programs will be removed. Your backups and settings stay where they are: config.xml, your user files (name.xml), your user folders with their diaries and photos, the screen saver's SSConfig.XML and any pictures in its Cache folder. Installing Nook again into the same folder finds them intact; delete them yourself if you no longer need them."
LangString UninstallKeepsArchive ${LANG_SIMPCHINESE} "将删除 Nook 程序。您的备份和设置会保留在原处：config.xml、用户文件（用户名.xml）、包含日记和照片的用户文件夹、屏幕保护程序的 SSConfig.XML 以及其 Cache 文件夹中的图片。再次安装到同一文件夹时它们完好无损；如不再需要，请自行删除。"
