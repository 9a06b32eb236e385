#include "options/appstate.h"

#include "core/formatcatalogue.h"

AppState::AppState(const std::string &documentsFolder)
    : settings(defaultProgramSettings(documentsFolder)), params(defaultEncodingParamsSet())
{
}

void AppState::load(SettingsStore &store)
{
    readProgramSettings(store, settings);
    extensionFilter = buildExtensionFilterList(settings);
    for (int n = 0; n < kFormatCount; ++n)
        loadEncodingParams(store, n, params[static_cast<size_t>(n)]);
}

void AppState::save(SettingsStore &store)
{
    settings.OutputFormat = currentFormat;
    writeProgramSettings(store, settings, ClosingGroup);
}
