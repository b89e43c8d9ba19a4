// SPDX-License-Identifier: GPL-3.0-or-later
// The general section of the code, first letter by first letter: the list
// that holds the line, the row of its first code, how many codes it has, and
// its second letters, each followed by the complement digits it takes.
// "E(1,2)" is AE, AE1, AE2; "F(0-9)" is a two-letter signal with all ten
// complements.

#include "signal_directory.h"

namespace mss::codebook {

const std::vector<GeneralSectionRow>& generalSectionRows() {
    static const std::vector<GeneralSectionRow> rows{
        {'A', 'A', 'Z', CodeList::GeneralAToJ, 0, 33,
         "A B C D E(1,2) F(1) G H I J K L M N(1,2) O(1,2) P Q T U V W X(1) Y Z(1)"},
        {'B', 'A', 'Z', CodeList::GeneralAToJ, 33, 50,
         "A(1,2) B(1-4) C(1) D E F G H(1,2) I(1) J(1) K(1) L M(1-3) N O P Q(1) R(1-4) S T(1-4) U V W X Y Z"},
        {'C', 'A', 'Z', CodeList::GeneralAToJ, 83, 69,
         "A B(1-8) C D E F G(1) H(1,2) I J(1-4) K L M(1) N(1,2) O(1) P(1) Q R S T U(1) V(1-4) W(1-8) X(1-7) Y(1,2) Z(1)"},
        {'D', 'A', 'Z', CodeList::GeneralAToJ, 152, 43,
         "A B C D(1) E F G H(1-4) I J K(1,2) L(1) M N(1) O P Q R S T(1) U V(1) W X Y(1-4) Z(1,2)"},
        {'E', 'A', 'Z', CodeList::GeneralAToJ, 195, 49,
         "A(1) B C D(1) F(1) G(1-8) J(1) K(1,2) L(1) M N O P Q(1) R T U(1) V(1) W(1-7) X Y(1) Z(1)"},
        {'F', 'A', 'Z', CodeList::GeneralAToJ, 244, 51,
         "A B C(1-5) D(1-5) E(1) F(1) G(1) H I J(1-5) K L M N O(1) P(1) Q(1) R S T U V W X Y(1) Z(1-3)"},
        {'G', 'A', 'Z', CodeList::GeneralAToJ, 295, 43,
         "A B C(1-3) D(1,2) E F G H I J(1) K L M(1) N(1-3) O P Q R(1) S T(1) U V(1-3) W X(1) Y Z(1)"},
        {'H', 'A', 'Z', CodeList::GeneralAToJ, 338, 47,
         "A B C D F G J K L(1,2) M(1-4) N O(1) P(1) Q(1) R T V W(1-7) X(1-4) Y(1-6) Z"},
        {'I', 'A', 'Z', CodeList::GeneralAToJ, 385, 60,
         "A(1-9) B(1-4) C(1,2) D(1,2) F(1) G J K L(1-3) M N(1-4) O P Q R T(1-3) U V(1-5) W X(1,2) Y(1) Z(1,2)"},
        {'J', 'A', 'M', CodeList::GeneralAToJ, 445, 45,
         "A(1-7) B C(1) D(1-4) E F(0-9) G H I(1-4) J K(1,2) L(1-4) M"},
        {'J', 'N', 'Z', CodeList::GeneralJToQ, 0, 53,
         "N(1,2) O(1-5) P(1-4) Q(1-4) R(1-7) S(1-7) T(1,2) U V W(1-3) X(1) Y(1-3) Z(1,2)"},
        {'K', 'A', 'Z', CodeList::GeneralJToQ, 53, 77,
         "A(1,2) B C(1) D E(1) F G(1) H(1,2) I(1) J(1,2) K(1-4) L(1) M(1) N(1,2) O(1,2) P(1,2) Q(1-5) R(1-3) S(1) T(1) U(1-3) V(1) W(1-6) X(1-4) Y Z(1-5)"},
        {'L', 'A', 'Z', CodeList::GeneralJToQ, 130, 66,
         "A(1-4) B(1-5) C D E(1-4) F(1) G(1-8) H I(1) J(1) K L M N(1) O(1,2) P Q R(1,2) S T U V(1,2) W(1) X(1-4) Y Z(1-4)"},
        {'M', 'A', 'Z', CodeList::GeneralJToQ, 196, 54,
         "A B(1-3) C(1) D(1) E(1) F(1) G(1) H I J K(1) L(1,2) M(1,2) N O P Q(1,2) R(1) S(1-4) T U V W X Y(1-8) Z"},
        {'N', 'A', 'Z', CodeList::GeneralJToQ, 250, 48,
         "A(1,2) B C D E(1-7) F(1) G(1) H(1) I J K L(1) M N O P Q R S T(1-9) U V W X Y Z"},
        {'O', 'A', 'Z', CodeList::GeneralJToQ, 298, 46,
         "A B C D E F G H(1,2) I(1,2) J(1-4) K L M(1) N O P(1,2) Q R S(1-5) T U V W(1) X Y(1-3) Z"},
        {'P', 'A', 'Z', CodeList::GeneralJToQ, 344, 78,
         "A(1-4) B(1) C(1) D(1) E G(1,2) H(1-6) I(1,2) J K L(1-3) M(1) N(1-3) O(1-8) P(1-7) Q(1-3) R(1-3) S(1) T(1-3) U(1) V(1) W(1,2) X Y Z"},
        {'Q', 'A', 'Z', CodeList::GeneralJToQ, 422, 57,
         "A B C(1) D(1-4) E F G(1-4) H I(1-4) J K L(1-4) M N(1,2) O P(1) Q R(1) S(1-5) T U V(1) W(1) X(1) Y(1) Z(1)"},
        {'R', 'A', 'Z', CodeList::GeneralRToZ, 0, 52,
         "A(1) B(1,2) C(1) D(1,2) E F G(1) H I(1) J(1-4) K(1) L(1) M(1,2) N O(1,2) P(1) Q R(1) S T(1) U(1) V(1-3) W X Y Z(1)"},
        {'S', 'A', 'Z', CodeList::GeneralRToZ, 52, 39,
         "A B C(1,2) D F(1,2) G J L(1) M N O(1,2) P(1) Q(1-3) T U(1-8) V W X Y Z"},
        {'T', 'A', 'Z', CodeList::GeneralRToZ, 91, 58,
         "A B C D(1,2) E(1-6) F(1-4) G(1-4) H I J K L M N O P Q(1-3) S(1-9) U(1-5) V(1) W X Y Z"},
        {'U', 'A', 'Z', CodeList::GeneralRToZ, 149, 37,
         "A B C E F G H I J(1) K(1) L M N O P Q(1) R(1) S(1-6) T(1) U V W(1) X Y Z"},
        {'V', 'A', 'Z', CodeList::GeneralRToZ, 186, 62,
         "B C(1,2) D E F G H I(1) J K L M N O P Q(0-9) R(0-9) S(0-9) T(1) U V(1) W X Y Z(1,2)"},
        {'W', 'A', 'Z', CodeList::GeneralRToZ, 248, 42,
         "A B C(1) D(1) E F G H I J K L M N O P(1,2) Q R S(1) T U V(1) W X Y(0-9) Z"},
        {'X', 'A', 'Z', CodeList::GeneralRToZ, 290, 74,
         "A B(0-9) C D E(0-9) F G H(0-9) I J K L(1,2) M N O(1,2) P(1) Q R(1-3) S T(1-3) U(1) V W X Y Z(1-6)"},
        {'Y', 'A', 'Z', CodeList::GeneralRToZ, 344, 30,
         "A B C D(1-6) H I J K L M N O P Q R S T U V(1) W X Y Z"},
        {'Z', 'A', 'Z', CodeList::GeneralRToZ, 374, 40,
         "A(0-9) B C D E F G H I J K L M(1) N O(1) P Q R S T U V W(1) X Y Z(1)"},
    };
    return rows;
}

}  // namespace mss::codebook
