#include "lists/public_list.h"

#include "lists/server_list.h"
#include "platform/registry.h"

void LoadPublicList(Registry&, CServerList&) {}
