#include "settings.h"

#include "integer_text.h"

namespace lumera {

void readSettings(const LineBuffer& lines, Settings& settings)
{
    std::ptrdiff_t line = 0;
    for (bool Options::*option : kSavedOptions) settings.options.*option = parseInteger(lines.readLine(line++)) != 0;
    settings.textureSet = parseInteger(lines.readLine(line));
}

LineBuffer settingsLines(const Settings& settings)
{
    LineBuffer lines;
    for (bool Options::*option : kSavedOptions) lines.append(settings.options.*option ? "1" : "0");
    lines.append(formatInteger(settings.textureSet));
    return lines;
}

void loadSettings(const std::filesystem::path& file, Settings& settings)
{
    LineBuffer lines;
    lines.load(file);
    readSettings(lines, settings);
}

void saveSettings(const std::filesystem::path& file, const Settings& settings)
{
    settingsLines(settings).save(file);
}

} // namespace lumera
