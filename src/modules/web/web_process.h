#pragma once
// What the web engine needs before the application object exists.

#include <QUrl>

#include "viewers/web_component.h"

void PrepareWebProcess(const TWebComponent::TProcessSetup& setup);

// The setup PrepareWebProcess was given; null before it ran.
const TWebComponent::TProcessSetup* PreparedWebProcess();

// Tells the setup's report, once a run, that a page from the network (address) shows without
// the sandbox; nothing with the sandbox on or for a local page.
void NoteShownPage(const QUrl& address);
