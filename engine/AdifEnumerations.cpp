// The value lists as data: entity codes as runs of consecutive codes, statuses and continents as short lists.
#include "engine/AdifEnumerations.h"

#include <algorithm>

namespace quillon::engine {

namespace {

struct CodeRun {
    int first;
    int last;
};

// Codes that were never given out (73, 83, 87, ...) and those above 300 that skip in steps are left out.
constexpr CodeRun kDxccCodes[] = {
    {0, 72},    {74, 82},   {84, 86},   {88, 91},   {93, 120},  {122, 155}, {157, 289}, {291, 299}, {301, 309},
    {312, 312}, {315, 315}, {318, 318}, {321, 321}, {324, 324}, {327, 327}, {330, 330}, {333, 333}, {336, 336},
    {339, 339}, {342, 342}, {344, 345}, {348, 348}, {354, 354}, {363, 363}, {369, 370}, {372, 372}, {375, 376},
    {378, 379}, {381, 382}, {384, 384}, {386, 387}, {390, 391}, {400, 402}, {404, 404}, {406, 406}, {408, 412},
    {414, 414}, {416, 416}, {420, 420}, {422, 422}, {424, 424}, {428, 428}, {430, 430}, {432, 432}, {434, 434},
    {436, 436}, {438, 438}, {440, 440}, {442, 442}, {444, 444}, {446, 446}, {450, 450}, {452, 454}, {456, 456},
    {458, 458}, {460, 460}, {462, 462}, {464, 464}, {466, 466}, {468, 468}, {470, 470}, {474, 474}, {478, 478},
    {480, 480}, {482, 483}, {488, 490}, {492, 493}, {497, 497}, {499, 499}, {501, 522},
};

constexpr std::string_view kQslSent[] = {"Y", "N", "R", "Q", "I"};
constexpr std::string_view kQslReceived[] = {"Y", "N", "R", "I", "V"};
constexpr std::string_view kContinents[] = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};

template <std::size_t N> bool listed(const std::string_view (&values)[N], std::string_view value)
{
    return std::find(std::begin(values), std::end(values), value) != std::end(values);
}

} // namespace

bool isDxccEntityCode(int code)
{
    return std::any_of(std::begin(kDxccCodes), std::end(kDxccCodes),
                       [code](const CodeRun& run) { return code >= run.first && code <= run.last; });
}

bool isQslSentStatus(std::string_view value)
{
    return listed(kQslSent, value);
}

bool isQslReceivedStatus(std::string_view value)
{
    return listed(kQslReceived, value);
}

bool isIotaContinent(std::string_view value)
{
    return listed(kContinents, value);
}

} // namespace quillon::engine
