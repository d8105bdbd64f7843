// The paper notepad: name entry, revision pages and the report card.
#pragma once
#include <string>

extern std::string StudentName;   // blank until typed or given in the options window

extern int NotepadOpen, NameEntryOpen, ReportGrade, RevisionPage, RevisionCounter, PendingGame;
extern float NotepadY;
extern std::string ReportText;
extern int CursorOn;
extern float CursorTimer, OkButtonAngle;

void OpenNameEntry(int game);
void OpenRevision(int page);
void ShowReport(int grade);
void CloseNotepad();
void DrawNotepad();
void ResetNotepad();
