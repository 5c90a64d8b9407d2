#include "app/ErrorReport.h"

#include <exception>
#include <ostream>

void runReportingErrors(const std::function<void()>& body, std::ostream& out)
{
    try {
        body();
    } catch (const std::exception& error) {
        out << "exception caught!" << std::endl << "   " << error.what() << std::endl;
    } catch (const std::exception* error) {
        out << "exception caught!" << std::endl << "   " << error->what() << std::endl;
    } catch (...) {
        out << "Unknown object caught!" << std::endl;
    }
}
