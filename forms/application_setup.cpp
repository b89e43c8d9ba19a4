#include "application_setup.h"

#include <QFont>

namespace mss::forms {

void prepareApplication() {
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace mss::forms
