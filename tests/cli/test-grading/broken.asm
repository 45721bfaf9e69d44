Does not build.
##
begin   ADDUP R1, 1
        HALT
##
