#include "error_display.h"

#include <exception>
#include <new>

namespace lumera {

std::string withFinalPeriod(std::string message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message.push_back('.');
    return message;
}

std::string messageOfCurrentException()
{
    try {
        throw;
    } catch (const GameError& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "Unexpected error";
    }
}

} // namespace lumera
