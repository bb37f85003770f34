// The module's exported entry point.
#pragma once

#include "plugin/VstAbi.h"

extern "C" AEffect* VSTPluginMain(audioMasterCallback audioMaster);
