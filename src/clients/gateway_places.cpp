#include "clients/gateway_places.h"

#include <initializer_list>

namespace {

const char* const OVERRIDE_GATEWAYS_VALUE = "Override Battle.net gateways";
const GatewayPlace SHARED_GATEWAYS = {"Software\\Battle.net\\Configuration", "Battle.net Gateways"};
const GatewayPlace DIABLO_GATEWAYS = {"Software\\Battle.net\\D1\\Configuration", "Battle.net gateways"};
const GatewayPlace WARCRAFT2_GATEWAYS = {"Software\\Battle.net\\W2\\Configuration", "Battle.net gateways"};

// Each key's override list, then its normal list.
std::vector<GatewayPlace> PlacesAt(std::initializer_list<GatewayPlace> normalLists)
{
    std::vector<GatewayPlace> places;
    for (const GatewayPlace& normal : normalLists)
        places.insert(places.end(), {{normal.key, OVERRIDE_GATEWAYS_VALUE}, normal});
    return places;
}

} // namespace

std::vector<GatewayPlace> GatewayPlacesOf(Game game)
{
    switch (game) {
    case Game::Diablo:
        return PlacesAt({SHARED_GATEWAYS, DIABLO_GATEWAYS});
    case Game::Warcraft2:
        return PlacesAt({SHARED_GATEWAYS, WARCRAFT2_GATEWAYS});
    case Game::StarCraft:
        break;
    }
    return PlacesAt({SHARED_GATEWAYS});
}

std::vector<GatewayPlace> AllGatewayPlaces()
{
    return PlacesAt({SHARED_GATEWAYS, DIABLO_GATEWAYS, WARCRAFT2_GATEWAYS});
}
