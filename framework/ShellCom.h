// COM for the shell, started when the shell is first used rather than at the program's start.
#pragma once

// Starts COM, apartment-threaded, on the calling (UI) thread the first time: the shell's
// folder and file dialogs, and the targets it opens through a shell extension, need it. A
// start at the program's start would load ole32 and the libraries it brings into every start
// of a program that mostly stays hidden. Later calls do nothing.
void AfxStartShellCom();
// Ends what AfxStartShellCom started; the application's end calls it.
void AfxEndShellCom();
