An endless loop: run stops at its limit of micro-steps.
##
begin   INC R1
        BRA begin
##
