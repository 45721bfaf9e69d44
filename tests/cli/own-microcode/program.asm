##
begin   LOAD R1, 21
        TWICE R1
        STOP
##
