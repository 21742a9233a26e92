#include "error_display.h"

namespace lumera {

std::string withFinalPeriod(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message.push_back('.');
    return message;
}

} // namespace lumera
