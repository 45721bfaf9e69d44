The word after the MOVE is 0: opcode 0x00 halts with a message.
##
begin   MOVE R1, 0x1234
        DAT 0
##
