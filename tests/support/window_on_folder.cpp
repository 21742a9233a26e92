#include "window_on_folder.h"

#include "main_window.h"
#include "recording_error_display.h"

namespace lumera::testing {

struct WindowOnFolder::Errors : RecordingErrorDisplay {};

WindowOnFolder::WindowOnFolder(const GameFolder& folder, bool start)
    : errors_(std::make_unique<Errors>()), core_(folder.files()), window_(std::make_unique<MainWindow>(core_, *errors_))
{
    core_.clock().stop();
    if (start) window_->start();
}

WindowOnFolder::~WindowOnFolder() = default;

std::vector<std::string>& WindowOnFolder::errors()
{
    return errors_->shown;
}

} // namespace lumera::testing
