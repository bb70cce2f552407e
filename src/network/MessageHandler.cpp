#include "network/MessageHandler.hpp"

#include "core/TypeBuilder.hpp"
#include "network/ServerConnection.hpp"

namespace tarvex {

const Type& MessageHandler::staticType() {
    static const Type& type = TypeBuilder<MessageHandler>("MessageHandler")
                                  .field("m_HandledMessages", &MessageHandler::m_HandledMessages)
                                  .field("m_Connection", &MessageHandler::m_Connection)
                                  .build();
    return type;
}

} // namespace tarvex
