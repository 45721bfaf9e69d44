##
begin   JMP nowhere
        HALT
##
