// МСС-65: checks the code book it carries and reports whether it can start.

#include <iostream>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"

int main() {
    const auto loaded = mss::codebook::parseCodeBook(mss::data::codeBookBytes());
    if (!loaded.ok()) {
        std::cerr << "МСС-65: кодовая книга повреждена или неполна. " << loaded.firstProblem() << '\n';
        return 1;
    }
    std::cout << "МСС-65: кодовая книга проверена. Окно программы появится в следующей версии.\n";
    return 0;
}
