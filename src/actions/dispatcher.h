#pragma once
// The action dispatcher: what an action kind with its two text parameters does (start a program,
// open a document, folder, web page or mail form, show a message, turn the page, minimise, copy
// or print the window, exit, eject), and the helpers the actions share.

#include <string>

#include "model/menu_enums.h"
#include "model/message_texts.h"
#include "window/menu_services.h"

class TKIVForm;

// Runs the action kind with its parameters on the menu window. Parameters marked for it are
// expanded with the window's macro values; Windows paths reach their Linux files (see
// ToLinuxPath). Shell failures show the window's cannot-open message; everything else that fails
// is silent. What lies outside the window goes through the services bound into the window's
// context; an unbound service is skipped.
// Throws ETextEscapeError for a message whose numeric escape is too large (see ReportActionError).
void RunAction(TKIVForm& window, TKIVActionType kind, const std::string& parameter, const std::string& secondParam);

// One open request; on failure shows "Can't open <file>." (or the document's translation) with
// the detail of the result code, as a warning message: at once, or when the failure is told
// later (see TShell::ShellExecute).
void ShellOpen(TKIVForm& window, const TShellRequest& request);

// The message, in texts, shown for a failed open of file with result code (32 or below).
std::string ShellFailureMessage(const TMessageTexts& texts, const std::string& file, int resultCode);

// Opens a folder window on the folder of the target of kind: the folder part of the expanded
// path for programs and documents, the expanded folder ("%CDROM%\" when empty) for folders;
// nothing for other kinds.
void LocateTarget(TKIVForm& window, TKIVActionType kind, const std::string& parameter, const std::string& secondParam);

// The general error handler for an action that failed with an exception (a message whose escape
// does not decode): shows the error's text in a message box titled with the window's caption.
void ReportActionError(TKIVForm& window, const std::exception& error);
