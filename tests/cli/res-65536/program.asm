65536 words reserved: the whole memory.
##
begin   RES 65536
##
