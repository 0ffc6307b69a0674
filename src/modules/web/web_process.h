#pragma once
// What the web engine needs before the application object exists.

#include "viewers/web_component.h"

void PrepareWebProcess(const TWebComponent::TProcessSetup& setup);
