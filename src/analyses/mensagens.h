// Messages several flow analyses end with.
#pragma once

namespace corvel {

// The considered months hold no valid daily flow: no curve, no mean flow to regulate.
inline constexpr auto kMsgSemVazoesValidas = "Não há vazões válidas nos meses considerados.";

} // namespace corvel
